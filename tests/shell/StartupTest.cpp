#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "shell/Gui.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "store/RecordFile.h"
#include "support/MessageRecorder.h"
#include "support/TempDir.h"

using namespace gavlin;
using gavlin::test::MessageRecorder;
using gavlin::test::TempDir;
namespace fs = std::filesystem;

namespace {

frmMain* VisibleMainWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<frmMain*>(w); m && m->isVisible()) return m;
    return nullptr;
}

bool SplashOpen() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<frmSplash*>(w) && w->isVisible()) return true;
    return false;
}

// Starts the windows with short splash times and waits for the main window.
// The working directory is put back: the test's directory goes away.
frmMain* Start(const fs::path& dir) {
    const fs::path cwd = fs::current_path();
    StartGui(dir, SplashTimes{20, 40});
    bool opened = QTest::qWaitFor([] { return VisibleMainWindow() != nullptr; }, 5000);
    EXPECT_EQ(fs::current_path(), dir);
    fs::current_path(cwd);
    return opened ? VisibleMainWindow() : nullptr;
}

void CloseMainWindow(frmMain* main) {
    main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(10);
}

}  // namespace

TEST(Splash, TimerThenWaitThenMainWindowThenSplashCloses) {
    QElapsedTimer clock;
    qint64 shownAt = -1;
    bool splashVisibleWhenMainShown = false;
    auto* splash = new frmSplash(
        [&] {
            shownAt = clock.elapsed();
            splashVisibleWhenMainShown = SplashOpen();
        },
        50, 150);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    EXPECT_EQ(splash->timer1->objectName(), "timer1");
    for (auto [label, text] : {std::pair{"lblProductName", "Gavlin"},
                               {"lblTitle", "World Wide Web Auction System"},
                               {"lblVersion", "Gavlin Version 1.0 32 bit for Windows 95/98/NT"}}) {
        const QLabel* shown = splash->findChild<QLabel*>(label);
        ASSERT_NE(shown, nullptr) << label;
        EXPECT_EQ(shown->text(), text) << label;
    }
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(splash->pos(), QPoint((screen.width() - splash->width()) / 2, (screen.height() - splash->height()) / 2));
    clock.start();
    splash->show();
    QTest::qWait(30);
    EXPECT_EQ(shownAt, -1);  // not before the timer
    EXPECT_TRUE(SplashOpen());
    ASSERT_TRUE(QTest::qWaitFor([&] { return shownAt >= 0; }, 5000));
    EXPECT_GE(shownAt, 50 + 150 - 2);  // the clocks of timer and test may differ by a tick
    EXPECT_TRUE(splashVisibleWhenMainShown);
    QTest::qWait(1);
    EXPECT_FALSE(SplashOpen());
}

TEST(Startup, FirstStartMakesDefaultConfigAndHtmlAndOpensMainWindow) {
    TempDir dir;
    MessageRecorder messages;
    frmMain* main = Start(dir.path());
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(SplashOpen());
    EXPECT_EQ(main->lblStatus->text(), "Gavlin Version 1.0");
    EXPECT_EQ(dir.read("config.dat"), EncodeRecord(DefaultConfigRecord()));
    EXPECT_TRUE(fs::is_directory(dir / "HTML"));
    QTest::qWait(10);
    EXPECT_TRUE(messages.shown().empty());

    main->findChild<QAction*>("mnuAuctionsEdit")->trigger();
    EXPECT_EQ(messages.lastText(),
              "No Categories have been defined.  Select System Menu then Category Maintenance to add new Categories.");
    CloseMainWindow(main);
}

TEST(Startup, SecondStartLeavesConfigAlone) {
    TempDir dir;
    ConfigRecord config = DefaultConfigRecord();
    config.EmailAddress = "operator@site.test";
    config.Reserved2 = "kept as it is";
    AppendRecord(dir / "config.dat", config);
    dir.write("config.dat", dir.read("config.dat") + "partial tail");
    const std::string before = dir.read("config.dat");
    MessageRecorder messages;
    frmMain* main = Start(dir.path());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(dir.read("config.dat"), before);
    CloseMainWindow(main);
}

// Root ignores permission bits, so the start runs as an ordinary user, in a
// fresh copy of this program: a forked child of a running Qt program may hang
// on a lock held by one of its threads.
TEST(Startup, ReadOnlyDirectoryNamesConfigFileAndStillOpens) {
    if (const char* readOnly = std::getenv("GAVLIN_READ_ONLY_START")) {
        MessageRecorder messages;
        frmMain* main = Start(readOnly);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown().empty(); }, 5000));
        const ShownMessage& m = messages.shown().front();
        EXPECT_NE(m.text.find(std::string("config.dat could not be ") + std::getenv("GAVLIN_READ_ONLY_VERB")),
                  std::string::npos)
            << m.text;
        EXPECT_EQ(m.title, "Gavlin");
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        EXPECT_TRUE(main->isVisible());
        EXPECT_TRUE(main->isEnabled());
        CloseMainWindow(main);
        return;
    }
    // A read-only directory, and a config.dat the operator may not read.
    for (const bool unreadableFile : {false, true}) {
        TempDir dir;
        gavlin::test::OpenForNobody(dir.path());
        if (unreadableFile) {
            dir.write("config.dat", EncodeRecord(DefaultConfigRecord()));
            fs::permissions(dir / "config.dat", fs::perms::none);
        } else {
            fs::permissions(dir.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                            fs::perm_options::remove);
        }
        // Everything the child needs is made before the fork: it only calls execve.
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) env.emplace_back(*e);
        env.push_back("GAVLIN_READ_ONLY_START=" + dir.path().string());
        env.push_back(std::string("GAVLIN_READ_ONLY_VERB=") + (unreadableFile ? "read" : "created"));
        std::vector<char*> envp;
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string self = fs::read_symlink("/proc/self/exe").string();
        std::string filter = "--gtest_filter=Startup.ReadOnlyDirectoryNamesConfigFileAndStillOpens";
        char* argv[] = {self.data(), filter.data(), nullptr};
        int rc = gavlin::test::RunAsNobody([&] {
            ::execve(argv[0], argv, envp.data());
            return 99;
        });
        EXPECT_EQ(rc, 0) << (unreadableFile ? "unreadable config.dat" : "read-only directory");
        if (!unreadableFile) {
            EXPECT_FALSE(dir.exists("config.dat"));
        }
    }
}
