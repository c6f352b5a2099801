#include "shell/AppContext.h"
#include "shell/CommandWindow.h"
#include "shell/Subsystems.h"
#include "shell/frmConfig.h"

namespace gavlin {
void InstallShellCommands() {
    RegisterMenuHandler("mnuConfiguration", [](QWidget* mainWindow) {
        OpenCommandWindow(mainWindow, new frmConfig(ApplicationDirectory()));
    });
}
}  // namespace gavlin
