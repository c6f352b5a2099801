#include <ostream>

#include "cli/Commands.h"

namespace gavlin {

// Placeholders until the page generators are built.
static int NotBuilt(const CliContext& c) {
    c.err << "This command is not available yet.\n";
    return 1;
}
int CmdMakeAll(const CliContext& c) { return NotBuilt(c); }
int CmdMakeItems(const CliContext& c) { return NotBuilt(c); }
int CmdMakeCategories(const CliContext& c) { return NotBuilt(c); }
int CmdMakeMain(const CliContext& c) { return NotBuilt(c); }
int CmdMakeRegister(const CliContext& c) { return NotBuilt(c); }
int CmdMakeInform(const CliContext& c) { return NotBuilt(c); }

}  // namespace gavlin
