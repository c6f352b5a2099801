#include "shell/Gui.h"

#include <QApplication>
#include <QTimer>

#include "platform/QtMessenger.h"
#include "shell/AppContext.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "store/AppDir.h"
#include "store/WorkingCopy.h"

namespace gavlin {

namespace {

// What the main window does when it loads: a default config.dat and the HTML
// sub-directory. A directory that refuses config.dat is reported, and the
// window opens anyway so the operator can still look around and get help.
void OpenMainWindow() {
    const std::filesystem::path& dir = ApplicationDirectory();
    std::error_code ignored;
    std::filesystem::current_path(dir, ignored);
    PreparedDirectory prepared = PrepareApplicationDirectory(dir);
    ConfigCopy() = prepared.config;

    auto* main = new frmMain;
    main->setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the application, even while a command window is open.
    QObject::connect(main, &QObject::destroyed, [] {
        QTimer::singleShot(0, qApp, [] {
            QApplication::closeAllWindows();
            QCoreApplication::exit(0);
        });
    });
    main->show();
    if (prepared.problem) {
        // An existing config.dat that cannot be read is not a directory problem.
        std::error_code error;
        const bool existed = std::filesystem::exists(dir / "config.dat", error);
        std::string text = existed
                               ? "The configuration file config.dat could not be read in " + dir.string() + ".\n\n" +
                                     *prepared.problem + "\n\nGavlin goes on with the default configuration."
                               : "The configuration file config.dat could not be created in " + dir.string() + ".\n\n" +
                                     *prepared.problem +
                                     "\n\nGavlin goes on with the default configuration, but nothing can be saved "
                                     "in this directory until it is writable.";
        // After the splash has gone, so the box is not hidden behind it.
        QTimer::singleShot(0, main, [main, text] { ShowMessage(main, text, kAppTitle, MsgIcon::Exclamation); });
    }
}

}  // namespace

void StartGui(const std::filesystem::path& dir, SplashTimes times) {
    SetApplicationDirectory(dir);
    std::error_code ignored;
    std::filesystem::current_path(dir, ignored);
    auto* splash = new frmSplash(OpenMainWindow, times.timerMs, times.waitMs);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
}

int RunGui(const std::filesystem::path& dir) {
    StartGui(dir);
    return QApplication::exec();
}

}  // namespace gavlin
