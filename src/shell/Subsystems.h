#pragma once
// Each subsystem registers the menu handlers of its windows. Called once by
// main before the main window is built.
namespace gavlin {
void InstallShellCommands();     // configuration editor
void InstallAdminCommands();     // category, user and auction screens
void InstallHtmlCommands();      // the HTML menu and imgAuctions
void InstallMailCommands();      // retrieval and sending windows
void InstallCloseoutCommands();  // the maintenance run

inline void InstallAllCommands() {
    InstallShellCommands();
    InstallAdminCommands();
    InstallHtmlCommands();
    InstallMailCommands();
    InstallCloseoutCommands();
}
}  // namespace gavlin
