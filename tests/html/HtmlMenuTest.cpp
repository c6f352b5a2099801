#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "HtmlFixture.h"
#include "html/PageGenerators.h"
#include "platform/QtMessenger.h"
#include "shell/AppContext.h"
#include "shell/CommandWindow.h"
#include "shell/Subsystems.h"
#include "shell/frmGeneric.h"
#include "shell/frmMain.h"

using namespace gavlin;
using namespace gavlin::test;

namespace {
QWidget* ProgressWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmGeneric" && w->isVisible()) return w;
    return nullptr;
}
}  // namespace

TEST(HtmlMenu, EveryCommandIsRegistered) {
    InstallHtmlCommands();
    for (const char* name :
         {"mnuHTMLAll", "mnuAuctionRegister", "mnuNewItems", "mnuIndividual", "mnuCategoryHTML", "mnuMainMenu"})
        EXPECT_NE(FindMenuHandler(name), nullptr) << name;
}

// Make-all without categories: both messages come while the progress window
// is up and the main window is disabled; afterwards the window is gone.
TEST(HtmlMenu, MakeAllShowsProgressWindowWhileRunning) {
    InstallHtmlCommands();
    Site s;
    SetApplicationDirectory(s.path());
    QWidget main;
    main.setObjectName("frmMain");
    main.show();
    struct Seen {
        std::string text;
        bool progressShown, mainEnabled;
    };
    std::vector<Seen> seen;
    SetMessageHandlerForTests([&](const ShownMessage& m) {
        seen.push_back({m.text, ProgressWindow() != nullptr, main.isEnabled()});
        return MsgResult::Ok;
    });
    (*FindMenuHandler("mnuHTMLAll"))(&main);
    SetMessageHandlerForTests({});
    ASSERT_EQ(seen.size(), 2u);
    for (const Seen& x : seen) {
        EXPECT_EQ(x.text,
                  "No Category Listings Found!  Enter some categories at the SYSTEM - CATEGORY MAINTENANCE Menu");
        EXPECT_TRUE(x.progressShown);
        EXPECT_FALSE(x.mainEnabled);
    }
    QTRY_VERIFY(main.isEnabled());
    EXPECT_EQ(ProgressWindow(), nullptr);
    EXPECT_TRUE(s.hasPage("gavlin.htm"));
    EXPECT_TRUE(s.hasPage("register.htm"));
}

// From the real main window: the Auctions picture runs make-all, a menu item
// its own command.
TEST(HtmlMenu, MainWindowPictureAndMenuItem) {
    InstallHtmlCommands();
    Site s;
    SetApplicationDirectory(s.path());
    frmMain main;
    main.show();
    std::vector<bool> progressShown;
    SetMessageHandlerForTests([&](const ShownMessage&) {
        progressShown.push_back(ProgressWindow() != nullptr && !main.isEnabled());
        return MsgResult::Ok;
    });
    QTest::mouseClick(main.imgAuctions, Qt::LeftButton);
    QTRY_VERIFY(main.isEnabled());
    EXPECT_EQ(progressShown, (std::vector<bool>{true, true}));
    EXPECT_TRUE(s.hasPage("inform.htm"));

    std::filesystem::remove(s.path() / "HTML/gavlin.htm");
    QAction* item = main.findChild<QAction*>("mnuMainMenu");
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    QTRY_VERIFY(main.isEnabled());
    SetMessageHandlerForTests({});
    EXPECT_TRUE(s.hasPage("gavlin.htm"));
    EXPECT_EQ(progressShown.size(), 2u);
}
