#include <exception>

#include "closeout/MaintenanceRun.h"
#include "closeout/frmMaintenance.h"
#include "platform/QtMessenger.h"
#include "shell/AppContext.h"
#include "shell/CommandWindow.h"
#include "shell/Subsystems.h"

namespace gavlin {

void InstallCloseoutCommands() {
    // The main window has already refused a missing auctions.dat; the check
    // is repeated because the file may have gone since.
    RegisterMenuHandler("mnuMaintenance", [](QWidget* mainWindow) {
        const auto dir = ApplicationDirectory();
        try {
            switch (CheckAuctionsFile(dir)) {
                case AuctionsFileState::Missing:
                    ShowMessage(mainWindow, kNoAuctionsOnFile);
                    return;
                case AuctionsFileState::TooShort:
                    ShowMessage(mainWindow, kNoAuctionsFound);
                    return;
                case AuctionsFileState::Ready:
                    break;
            }
        } catch (const std::exception& e) {
            ShowMessage(mainWindow, e.what(), kAppTitle, MsgIcon::Critical);
            return;
        }
        auto* window = new frmMaintenance;
        OpenCommandWindow(mainWindow, window);
        window->run(dir);
    });
}

}  // namespace gavlin
