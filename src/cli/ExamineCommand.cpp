#include <exception>
#include <ostream>

#include "cli/Commands.h"
#include "cli/ConsoleReporting.h"
#include "mail/ExamineIncomingMessages.h"

namespace gavlin {

// As Manual in the retrieval window: examine the message files, then delete
// them with the work files. After an error the message files stay, so that
// nothing the visitors sent is lost and the run can be repeated.
int CmdExamine(const CliContext& c) {
    ConsoleLog log(c.out);
    try {
        ExamineIncomingMessages(c.dir, log);
    } catch (const std::exception& e) {
        c.err << e.what() << '\n';
        return 1;
    }
    try {
        DeleteMessageFiles(c.dir);
    } catch (const std::exception& e) {
        c.err << "The messages were examined, but the message files could not all be deleted; delete them "
                 "before the next examination, or they are processed again.\n"
              << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace gavlin
