#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "shell/AppContext.h"
#include "shell/Help.h"
#include "shell/HelpViewer.h"
#include "shell/frmMain.h"
#include "support/MessageRecorder.h"
#include "support/TempDir.h"

using namespace gavlin;
using gavlin::test::MessageRecorder;
using gavlin::test::TempDir;

namespace {

const char* const kHelp =
    "@topic contents Gavlin Help\n"
    "@keywords contents; start\n"
    "See [[mail]].\n"
    "@topic mail Retrieving Mail\n"
    "@keywords mail; messages; Message files\n"
    "Mail text.\n"
    "@topic msg Messages\n"
    "@keywords messages; No Users Currently on File\n"
    "Message text.\n";

void CloseHelp() {
    ShowHelp(nullptr, kHelpClose);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("gavlin.hlp", kHelp);
        SetHelpFile((dir / "gavlin.hlp").string());
    }
    void TearDown() override { CloseHelp(); }

    TempDir dir;
    MessageRecorder messages;
};

}  // namespace

TEST_F(HelpTest, BlankFileNameOrUnknownCommandGiveTheirMessageOnly) {
    struct Case {
        const char* file;
        int command;
        const char* message;
    } cases[] = {
        {"", kHelpContents, "No Help File Available"},
        {"   ", kHelpPartialKey, "No Help File Available"},
        {"  ", 99, "No Help File Available"},  // the file name is looked at first
        {"gavlin.hlp", 1, "Invalid Help Command Value"},
        {"gavlin.hlp", 0, "Invalid Help Command Value"},
        {"gavlin.hlp", 257, "Invalid Help Command Value"},
    };
    for (const Case& c : cases) {
        SetHelpFile(c.file);
        messages.clear();
        ShowHelp(nullptr, c.command, "mail");
        ASSERT_EQ(messages.shown().size(), 1u) << c.file << " " << c.command;
        EXPECT_EQ(messages.shown()[0].text, c.message);
        EXPECT_EQ(messages.shown()[0].title, "Gavlin");
        EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
        EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(CurrentHelpViewer(), nullptr);
    }
}

TEST_F(HelpTest, ContentsHelpOnHelpKeywordSearchAndClose) {
    ShowHelp(nullptr, kHelpContents);
    HelpViewer* viewer = CurrentHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->CurrentTopic(), "contents");
    EXPECT_EQ(viewer->lstContents->count(), 4);  // the file's topics and help on help

    ShowHelp(nullptr, kHelpOnHelp);
    EXPECT_EQ(CurrentHelpViewer(), viewer);
    EXPECT_EQ(viewer->CurrentTopic(), "help-on-help");

    // A key that is exactly one topic's keyword shows the topic.
    ShowHelp(nullptr, kHelpPartialKey, "MAIL");
    EXPECT_EQ(viewer->CurrentTopic(), "mail");
    EXPECT_EQ(viewer->tabHelp->currentIndex(), 1);
    EXPECT_EQ(viewer->txtKeyword->text(), "MAIL");

    // A keyword of two topics, or only the start of a keyword: the index opens there.
    ShowHelp(nullptr, kHelpPartialKey, "messages");
    EXPECT_EQ(viewer->CurrentTopic(), "mail");
    EXPECT_EQ(viewer->lstIndex->currentItem()->text(), "messages - Retrieving Mail");
    ShowHelp(nullptr, kHelpPartialKey, "No Us");
    EXPECT_EQ(viewer->lstIndex->currentItem()->text(), "No Users Currently on File");
    EXPECT_EQ(viewer->CurrentTopic(), "mail");

    QTest::mouseClick(viewer->cmdBack, Qt::LeftButton);
    EXPECT_EQ(viewer->CurrentTopic(), "help-on-help");

    CloseHelp();
    EXPECT_EQ(CurrentHelpViewer(), nullptr);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(HelpTest, TypingInTheIndexFindsTheKeywordAndEnterShowsIt) {
    ShowHelp(nullptr, kHelpPartialKey, "");
    HelpViewer* viewer = CurrentHelpViewer();
    ASSERT_NE(viewer, nullptr);
    QTest::keyClicks(viewer->txtKeyword, "sta");
    EXPECT_EQ(viewer->lstIndex->currentItem()->text(), "start");
    QTest::keyClick(viewer->txtKeyword, Qt::Key_Return);
    EXPECT_EQ(viewer->CurrentTopic(), "contents");
}

TEST_F(HelpTest, OnlineHelpOpensTheHelpFileOfTheApplicationDirectory) {
    SetApplicationDirectory(dir.path());
    SetHelpFile("");
    frmMain w;
    w.findChild<QAction*>("mnuOnlineHelp")->trigger();
    ASSERT_NE(CurrentHelpViewer(), nullptr);
    EXPECT_EQ(CurrentHelpViewer()->File(), (dir / "gavlin.hlp").string());
    EXPECT_EQ(CurrentHelpViewer()->CurrentTopic(), "contents");
    EXPECT_TRUE(w.isEnabled());
    CloseHelp();

    // Without the file the operator is told which file is missing.
    TempDir empty;
    SetApplicationDirectory(empty.path());
    w.findChild<QAction*>("mnuOnlineHelp")->trigger();
    EXPECT_EQ(CurrentHelpViewer(), nullptr);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_NE(messages.lastText().find((empty / "gavlin.hlp").string()), std::string::npos);
}
