#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "shell/AppContext.h"
#include "shell/CommandWindow.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/MessageRecorder.h"
#include "support/TempDir.h"

using namespace gavlin;
using gavlin::test::MessageRecorder;
using gavlin::test::TempDir;

namespace {

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

QString Text(const frmMain& w) {
    return w.lblStatus->text();
}

template <class W>
W* OpenWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<W*>(w); found && found->isVisible()) return found;
    return nullptr;
}

void FinishDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetApplicationDirectory(dir.path());
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    QAction* Item(const char* name) { return w.findChild<QAction*>(name); }

    TempDir dir;
    MessageRecorder messages;
    frmMain w;
};

}  // namespace

TEST_F(MainWindowTest, StatusTextFollowsButtonsAndBackgroundOnlyWhenSet) {
    EXPECT_EQ(w.windowTitle(), "Gavlin");
    EXPECT_EQ(Text(w), "Gavlin Version 1.0");
    PaintCounter counter(w.lblStatus);

    // Background while the version text shows: nothing happens.
    QTest::mouseMove(w.Image1[0], QPoint(60, 60));
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    EXPECT_FALSE(w.StatusTextShown());

    QTest::mouseMove(w.imgExit, QPoint(10, 10));
    EXPECT_EQ(Text(w), "Exit Gavlin");
    EXPECT_TRUE(w.StatusTextShown());
    EXPECT_GE(counter.paints, 1);  // repainted at once, before any event processing

    counter.paints = 0;
    QTest::mouseMove(w.Image1[6], QPoint(90, 30));
    EXPECT_EQ(Text(w), "Gavlin Version 1.0");
    EXPECT_FALSE(w.StatusTextShown());
    EXPECT_GE(counter.paints, 1);

    QCoreApplication::processEvents();
    counter.paints = 0;
    QTest::mouseMove(w.Image1[9], QPoint(30, 30));
    QTest::mouseMove(w.Image1[2], QPoint(100, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(Text(w), "Gavlin Version 1.0");
    EXPECT_EQ(counter.paints, 0);
}

TEST_F(MainWindowTest, EachPictureButtonShowsItsStatusTextAndTooltip) {
    struct Case {
        PictureControl* button;
        const char* name;
        const char* text;
    } cases[] = {{w.imgAuctions, "imgAuctions", "Generate All Necessary HTML Files"},
                 {w.imgMaintenance, "imgMaintenance", "Run Maintenance"},
                 {w.imgGetMail, "imgGetMail", "Retrieve New Email Messages"},
                 {w.imgSendMail, "imgSendMail", "Send Email Notifications"},
                 {w.imgExit, "imgExit", "Exit Gavlin"}};
    int lastTop = -1;
    for (const Case& c : cases) {
        EXPECT_EQ(c.button->objectName(), c.name);
        EXPECT_EQ(c.button->toolTip(), c.text);
        EXPECT_GT(c.button->y(), lastTop) << c.name << " is not below the button before it";
        lastTop = c.button->y();
        QTest::mouseMove(c.button, QPoint(5, 5));
        EXPECT_EQ(Text(w), c.text);
    }
    for (int i = 0; i < 10; ++i) EXPECT_EQ(w.Image1[i]->objectName(), QString("Image1_%1").arg(i));
    EXPECT_LT(w.Image1[4]->y(), w.Image1[5]->y());  // two rows of five
}

TEST_F(MainWindowTest, MenuBarHasEveryMenuItemAndSeparatorInOrder) {
    const char* const expected[][2] = {
        {"mnuSystem", "&System"},
        {"mnuConfiguration", "&Configuration"},
        {"mnuCategory", "Category &Maintenance"},
        {"mnuMaintenance", "&Run System Maintenance"},
        {"mnusep1", "-"},
        {"mnuExit", "E&xit"},
        {"mnuAuctions", "&Auctions"},
        {"mnuAuctionsEdit", "&View, Add and Edit Auctions"},
        {"mnuUnvalidatedAuctions", "Search for &Unvalidated Auctions"},
        {"mnuUsers", "&Users"},
        {"mnuUserEdit", "&View, Add and Edit Users"},
        {"mnuUnvalidatedUsers", "Search for &Unvalidated Users"},
        {"mnuHTML", "&HTML"},
        {"mnuHTMLAll", "Make &All Necessary HTML Files"},
        {"mnuAuctionRegister", "Make User &Registration Form HTML"},
        {"mnuNewItems", "Make &New Items Input Form HTML"},
        {"mnuIndividual", "Create &Individual Auctions HTML"},
        {"mnuCategoryHTML", "Create &Category HTML"},
        {"mnuMainMenu", "Make &Main Menu HTML"},
        {"mnuInternet", "&Internet"},
        {"mnuSendMail", "&Send Outgoing Messages"},
        {"mnuGetEmail", "&Retrieve Email Messages"},
        {"mnuFTP", "&FTP HTML files to Server"},
        {"mnuHelp", "&Help"},
        {"mnuAbout", "&About Gavlin"},
        {"mnuSep2", "-"},
        {"mnuOnlineHelp", "&Online Help"},
    };
    std::vector<std::pair<QString, QString>> actual;
    for (QAction* top : w.menuBar()->actions()) {
        ASSERT_NE(top->menu(), nullptr);
        actual.emplace_back(top->menu()->objectName(), top->text());
        for (QAction* a : top->menu()->actions())
            actual.emplace_back(a->objectName(), a->isSeparator() ? "-" : a->text());
    }
    ASSERT_EQ(actual.size(), std::size(expected));
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].first, expected[i][0]) << i;
        EXPECT_EQ(actual[i].second, expected[i][1]) << i;
    }
}

TEST_F(MainWindowTest, ItemsWithoutCommandAreDisabledButFileChecksAlwaysWork) {
    struct Case {
        const char* name;
        bool enabled;
    } cases[] = {{"mnuFTP", false},         {"mnuIndividual", false},         {"mnuExit", true},
                 {"mnuAbout", true},        {"mnuOnlineHelp", true},          {"mnuMaintenance", true},
                 {"mnuAuctionsEdit", true}, {"mnuUnvalidatedAuctions", true}, {"mnuUnvalidatedUsers", true}};
    for (const Case& c : cases) {
        ASSERT_NE(Item(c.name), nullptr) << c.name;
        EXPECT_EQ(Item(c.name)->isEnabled(), c.enabled) << c.name;
    }
}

TEST_F(MainWindowTest, MissingRecordFilesGiveTheirMessageAndLeaveTheWindowEnabled) {
    const char* const kNoAuctions = "No Auctions Currently on File";
    struct Case {
        const char* item;
        const char* message;
    } cases[] = {
        {"mnuMaintenance", kNoAuctions},
        {"mnuUnvalidatedAuctions", kNoAuctions},
        {"mnuAuctionsEdit",
         "No Categories have been defined.  Select System Menu then Category Maintenance to add new Categories."},
        {"mnuUnvalidatedUsers", "No Users Currently on File"},
    };
    for (const Case& c : cases) {
        messages.clear();
        Item(c.item)->trigger();
        ASSERT_EQ(messages.shown().size(), 1u) << c.item;
        const ShownMessage& m = messages.shown()[0];
        EXPECT_EQ(m.text, c.message);
        EXPECT_EQ(m.title, "Gavlin");
        EXPECT_EQ(m.icon, MsgIcon::None);
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
        EXPECT_TRUE(w.isEnabled()) << c.item;
    }
    // The Run Maintenance picture makes the same check.
    messages.clear();
    QTest::mouseClick(w.imgMaintenance, Qt::LeftButton);
    EXPECT_EQ(messages.lastText(), kNoAuctions);
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(MainWindowTest, UnreachableDirectoryIsReportedNotTakenForAMissingFile) {
    dir.write("plain", "");
    SetApplicationDirectory(dir / "plain");  // a file where the directory should be
    Item("mnuUnvalidatedUsers")->trigger();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_NE(messages.lastText().find("reguser.dat"), std::string::npos) << messages.lastText();
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(MainWindowTest, PresentFileLeadsToTheCommandWithoutMessage) {
    int calls = 0;
    RegisterMenuHandler("mnuUnvalidatedUsers", [&](QWidget* main) {
        EXPECT_EQ(main, &w);
        ++calls;
    });
    dir.write("reguser.dat", "");
    dir.write("auctions.dat", "");
    Item("mnuUnvalidatedUsers")->trigger();
    Item("mnuMaintenance")->trigger();  // no command yet: nothing at all
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(messages.shown().empty());
    RegisterMenuHandler("mnuUnvalidatedUsers", nullptr);
}

TEST_F(MainWindowTest, PictureButtonsRunTheirMenuCommands) {
    std::vector<std::string> ran;
    for (const char* name : {"mnuHTMLAll", "mnuGetEmail", "mnuSendMail"})
        RegisterMenuHandler(name, [&ran, name](QWidget*) { ran.emplace_back(name); });
    QTest::mouseClick(w.imgAuctions, Qt::LeftButton);
    QTest::mouseClick(w.imgGetMail, Qt::LeftButton);
    QTest::mouseClick(w.imgSendMail, Qt::LeftButton);
    EXPECT_EQ(ran, (std::vector<std::string>{"mnuHTMLAll", "mnuGetEmail", "mnuSendMail"}));
    for (const char* name : {"mnuHTMLAll", "mnuGetEmail", "mnuSendMail"}) RegisterMenuHandler(name, nullptr);

    QTest::mouseClick(w.imgExit, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, AboutWindowReenablesTheMainWindowHoweverClosed) {
    for (bool byCloseBox : {true, false}) {
        Item("mnuAbout")->trigger();
        frmAbout* about = OpenWindow<frmAbout>();
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
        EXPECT_EQ(about->windowTitle(), "About Gavlin");
        EXPECT_EQ(about->cmdDone->text(), "&O.K.");
        for (auto [label, text] : {std::pair{"lblProductName", "Gavlin"},
                                   {"lblTitle", "World Wide Web Auction System"},
                                   {"lblVersion", "Gavlin Version 1.0"}}) {
            const QLabel* shown = about->findChild<QLabel*>(label);
            ASSERT_NE(shown, nullptr) << label;
            EXPECT_EQ(shown->text(), text) << label;
        }
        EXPECT_FALSE(w.isEnabled());
        EXPECT_TRUE(about->isEnabled());
        if (byCloseBox)
            about->close();
        else
            QTest::mouseClick(about->cmdDone, Qt::LeftButton);
        FinishDeletes();
        EXPECT_EQ(OpenWindow<frmAbout>(), nullptr);
        EXPECT_TRUE(w.isEnabled()) << (byCloseBox ? "close box" : "O.K.");
    }
}
