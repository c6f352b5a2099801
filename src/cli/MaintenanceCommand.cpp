#include <exception>
#include <ostream>

#include "cli/Commands.h"
#include "cli/ConsoleReporting.h"
#include "closeout/MaintenanceRun.h"

namespace gavlin {

// As Run System Maintenance: the two informational messages end the command
// normally; a run that stopped on a file error exits with 1.
int CmdMaintenance(const CliContext& c) {
    try {
        switch (CheckAuctionsFile(c.dir)) {
            case AuctionsFileState::Missing:
                c.err << kNoAuctionsOnFile << '\n';
                return 0;
            case AuctionsFileState::TooShort:
                c.err << kNoAuctionsFound << '\n';
                return 0;
            case AuctionsFileState::Ready:
                break;
        }
        ConsoleLog log(c.out);
        ConsoleProgress progress(c.out);
        MaintenanceRun(c.dir, log, progress);
    } catch (const std::exception& e) {
        c.err << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace gavlin
