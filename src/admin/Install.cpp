#include "admin/frmAuctionEdit.h"
#include "admin/frmCategory.h"
#include "admin/frmUnValidatedItems.h"
#include "admin/frmUserEdit.h"
#include "admin/frmuvalid.h"
#include "shell/AppContext.h"
#include "shell/CommandWindow.h"
#include "shell/Subsystems.h"

namespace gavlin {

namespace {
template <class Window>
void RegisterWindow(const char* menu) {
    RegisterMenuHandler(menu,
                        [](QWidget* mainWindow) { OpenCommandWindow(mainWindow, new Window(ApplicationDirectory())); });
}
}  // namespace

// The main window shows the messages for missing files before it calls these.
void InstallAdminCommands() {
    RegisterWindow<frmCategory>("mnuCategory");
    RegisterWindow<frmUserEdit>("mnuUserEdit");
    RegisterWindow<frmuvalid>("mnuUnvalidatedUsers");
    RegisterWindow<frmAuctionEdit>("mnuAuctionsEdit");
    RegisterWindow<frmUnValidatedItems>("mnuUnvalidatedAuctions");
}

}  // namespace gavlin
