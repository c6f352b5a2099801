// The page commands without windows: the progress label's texts on standard
// output, message boxes on standard error.
#include "cli/Commands.h"
#include "cli/ConsoleReporting.h"
#include "html/PageGenerators.h"

namespace gavlin {

static int RunPages(const CliContext& c, PageCommand command) {
    ConsoleProgress progress(c.out);
    ConsoleMessenger messenger(c.err);
    return RunPageCommand(command, c.dir, progress, messenger) == PageResult::Failed ? 1 : 0;
}

int CmdMakeAll(const CliContext& c) {
    return RunPages(c, PageCommand::All);
}
int CmdMakeItems(const CliContext& c) {
    return RunPages(c, PageCommand::ItemPages);
}
int CmdMakeCategories(const CliContext& c) {
    return RunPages(c, PageCommand::CategoryPages);
}
int CmdMakeMain(const CliContext& c) {
    return RunPages(c, PageCommand::MainMenu);
}
int CmdMakeRegister(const CliContext& c) {
    return RunPages(c, PageCommand::Registration);
}
int CmdMakeInform(const CliContext& c) {
    return RunPages(c, PageCommand::NewItemForm);
}

}  // namespace gavlin
