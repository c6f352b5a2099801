#pragma once
// Carries out the form submissions found in the message files (names ending
// in ".msg", any case) of the application directory: registrations are
// appended to reguser.dat, new items to auctions.dat, accepted bids rewrite
// their auction. The joined and decoded texts of the recognised messages are
// left in the work files pass.2 and pass.3; the message files are only read.
//
// A file error ends the operation by throwing FileError, which names the file;
// what was stored until then stays.
#include <filesystem>

#include "platform/Reporting.h"

namespace gavlin {

void ExamineIncomingMessages(const std::filesystem::path& dir, StatusLog& log);

// What the retrieval commands do when they end: delete every message file,
// then pass.2 and pass.3. Throws FileError when one cannot be deleted.
void DeleteMessageFiles(const std::filesystem::path& dir);

}  // namespace gavlin
