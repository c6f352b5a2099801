#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <filesystem>

#include "CloseoutFixture.h"
#include "closeout/frmMaintenance.h"
#include "shell/AppContext.h"
#include "shell/CommandWindow.h"
#include "shell/Subsystems.h"
#include "shell/frmMain.h"
#include "support/MessageRecorder.h"

using namespace gavlin;
using namespace gavlin::test;
namespace fs = std::filesystem;

namespace {

frmMaintenance* OpenWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmMaintenance" && w->isVisible()) return qobject_cast<frmMaintenance*>(w);
    return nullptr;
}

void ChooseMaintenance(QWidget* mainWindow) {
    InstallCloseoutCommands();
    const MenuHandler* handler = FindMenuHandler("mnuMaintenance");
    ASSERT_NE(handler, nullptr);
    (*handler)(mainWindow);
}

void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

TEST(frmMaintenance, DoneStaysDisabledUntilTheRunEndsAndClosingEnablesTheMainWindow) {
    TempDir d;
    WriteAuctions(d, {EndedAuction("old lamp"), OpenAuction("new lamp")});
    SetApplicationDirectory(d.path());
    QWidget mainWindow;
    mainWindow.show();

    // The clock is read once the run has started: look at the window then.
    bool sawWindow = false, doneDuringRun = true, mainDuringRun = true, stillOpenAfterClose = false;
    SetClockForTests([&] {
        if (frmMaintenance* w = OpenWindow()) {
            sawWindow = true;
            doneDuringRun = w->cmdDone->isEnabled();
            mainDuringRun = mainWindow.isEnabled();
            w->close();  // refused while the run works
            stillOpenAfterClose = w->isVisible();
        }
        return At(2000, 6, 1, 12);
    });
    ChooseMaintenance(&mainWindow);
    SetClockForTests({});

    EXPECT_TRUE(sawWindow);
    EXPECT_FALSE(doneDuringRun);
    EXPECT_FALSE(mainDuringRun);
    EXPECT_TRUE(stillOpenAfterClose);

    QPointer<frmMaintenance> w = OpenWindow();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Maintenance");
    EXPECT_EQ(w->cmdDone->text(), "&Done");
    EXPECT_TRUE(w->cmdDone->isEnabled());
    EXPECT_EQ(w->panProgress->value(), 100);
    EXPECT_EQ(w->txtMaintenance->toPlainText(),
              "Running System Maintenance\n"
              "Checking Auction old lamp\n"
              "Making Mail Notification Message for seller@example.com\n"
              "Making Mail Notification Message for \n"
              "Checking Auction new lamp\n"
              "Deleting Old Auctions from Main Database\n"
              "Deleting Auction for seller@example.com\n"
              "Maintenance Run Finished\n");
    EXPECT_FALSE(mainWindow.isEnabled());

    QTest::mouseClick(w->cmdDone, Qt::LeftButton);
    FlushDeletes();
    EXPECT_FALSE(w);
    EXPECT_TRUE(mainWindow.isEnabled());
}

TEST(frmMaintenance, AnEmptyAuctionsFileOpensNoWindow) {
    TempDir d;
    d.write("auctions.dat", "x");
    SetApplicationDirectory(d.path());
    QWidget mainWindow;
    mainWindow.show();
    MessageRecorder boxes;
    ChooseMaintenance(&mainWindow);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "No Auctions Found!");
    EXPECT_EQ(boxes.shown()[0].title, "Gavlin");
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::None);
    EXPECT_EQ(boxes.shown()[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(OpenWindow(), nullptr);
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(d.read("auctions.dat"), "x");
}

TEST(frmMaintenance, AFileErrorIsShownAndDoneIsEnabled) {
    TempDir d;
    WriteAuctions(d, {EndedAuction("old lamp")});
    const std::string before = d.read("auctions.dat");
    fs::create_directory(d / "2000.old");
    SetApplicationDirectory(d.path());
    QWidget mainWindow;
    mainWindow.show();
    MessageRecorder boxes;
    FixedClock clock(At(2000, 6, 1, 12));
    ChooseMaintenance(&mainWindow);

    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_NE(boxes.shown()[0].text.find("2000.old"), std::string::npos) << boxes.shown()[0].text;
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Critical);
    QPointer<frmMaintenance> w = OpenWindow();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->cmdDone->isEnabled());
    EXPECT_EQ(d.read("auctions.dat"), before);
    w->close();
    FlushDeletes();
    EXPECT_TRUE(mainWindow.isEnabled());
}

TEST(frmMaintenance, StartsFromThePictureButtonAndTheMenuOfTheMainWindow) {
    TempDir d;
    SetApplicationDirectory(d.path());
    InstallCloseoutCommands();
    frmMain mainWindow;
    mainWindow.show();
    MessageRecorder boxes;
    FixedClock clock(At(2000, 6, 1, 12));

    QAction* menuItem = mainWindow.findChild<QAction*>("mnuMaintenance");
    ASSERT_NE(menuItem, nullptr);
    menuItem->trigger();
    EXPECT_EQ(boxes.lastText(), "No Auctions Currently on File");
    EXPECT_EQ(OpenWindow(), nullptr);

    WriteAuctions(d, {EndedAuction("old lamp")});
    QTest::mouseClick(mainWindow.imgMaintenance, Qt::LeftButton);
    QPointer<frmMaintenance> w = OpenWindow();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->txtMaintenance->toPlainText().endsWith("Maintenance Run Finished\n"));
    EXPECT_FALSE(mainWindow.isEnabled());
    QTest::mouseClick(w->cmdDone, Qt::LeftButton);
    FlushDeletes();
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(fs::file_size(d / "auctions.dat"), 0u);
}
