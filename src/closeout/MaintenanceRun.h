#pragma once
// The maintenance run: closes the auctions whose end has come. For each it
// deletes the item page, writes a notice for the seller and one for the top
// bidder, appends an entry to the yearly archive and removes the record from
// auctions.dat; the others stay, unchanged and in their order.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Reporting.h"
#include "store/RecordFile.h"

namespace gavlin {

inline const char* const kNoAuctionsOnFile = "No Auctions Currently on File";
inline const char* const kNoAuctionsFound = "No Auctions Found!";

enum class AuctionsFileState { Missing, TooShort, Ready };
// What the command checks before a run: a missing auctions.dat, or one
// shorter than 2 bytes, is reported instead of running.
AuctionsFileState CheckAuctionsFile(const std::filesystem::path& dir);

struct MaintenanceSummary {
    RecordNo checked = 0;
    RecordNo closed = 0;
    std::vector<std::filesystem::path> notices;  // in the order written
};

// A run that stopped: auctions.dat is as it was, and the notice files and
// archive entries of the run have been taken back. what() says which file
// failed and what was (or could not be) undone.
class MaintenanceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs on a directory whose auctions.dat exists. The reference moment (date
// and hour) is taken once, from Now(), and both passes test against it.
// Reports each log line to log and the bar's percentage to progress.
MaintenanceSummary MaintenanceRun(const std::filesystem::path& dir, StatusLog& log, ProgressSink& progress);

}  // namespace gavlin
