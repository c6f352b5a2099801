#include <ostream>

#include "cli/Commands.h"

namespace gavlin {

int CmdMaintenance(const CliContext& c) {
    c.err << "This command is not available yet.\n";
    return 1;
}

}  // namespace gavlin
