#include <ostream>

#include "cli/Commands.h"

namespace gavlin {

int CmdExamine(const CliContext& c) {
    c.err << "This command is not available yet.\n";
    return 1;
}

}  // namespace gavlin
