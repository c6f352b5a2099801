// The commands of the HTML menu: each shows the progress window while its
// generators run, with the main window disabled, and closes it afterwards.
#include "html/PageGenerators.h"
#include "platform/QtMessenger.h"
#include "shell/AppContext.h"
#include "shell/CommandWindow.h"
#include "shell/Subsystems.h"
#include "shell/frmGeneric.h"

namespace gavlin {

namespace {

void Run(QWidget* mainWindow, PageCommand command) {
    auto* progress = new frmGeneric(nullptr);
    OpenCommandWindow(mainWindow, progress);
    QtMessenger messenger(progress);
    RunPageCommand(command, ApplicationDirectory(), *progress, messenger);
    progress->close();
}

}  // namespace

void InstallHtmlCommands() {
    RegisterMenuHandler("mnuHTMLAll", [](QWidget* w) { Run(w, PageCommand::All); });
    RegisterMenuHandler("mnuAuctionRegister", [](QWidget* w) { Run(w, PageCommand::Registration); });
    RegisterMenuHandler("mnuNewItems", [](QWidget* w) { Run(w, PageCommand::NewItemForm); });
    RegisterMenuHandler("mnuIndividual", [](QWidget* w) { Run(w, PageCommand::ItemPages); });
    RegisterMenuHandler("mnuCategoryHTML", [](QWidget* w) { Run(w, PageCommand::CategoryPages); });
    RegisterMenuHandler("mnuMainMenu", [](QWidget* w) { Run(w, PageCommand::MainMenu); });
}

}  // namespace gavlin
