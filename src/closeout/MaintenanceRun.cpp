#include "closeout/MaintenanceRun.h"

#include <sys/stat.h>

#include <cerrno>

#include "closeout/EndTest.h"
#include "closeout/Notices.h"
#include "closeout/RunOutputs.h"
#include "platform/Clock.h"
#include "store/AppDir.h"
#include "store/Text.h"
#include "store/UserIndex.h"

namespace gavlin {

namespace fs = std::filesystem;

namespace {

int Percent(RecordNo k, RecordNo n) {
    if (n <= 0) return 100;
    return static_cast<int>((k * 200 + n) / (2 * n));
}

// Only plain names: a FileName such as "../reguser.dat" must never delete
// anything outside the HTML sub-directory.
void DeleteItemPage(const fs::path& dir, const std::string& fileName) {
    std::string name = Trim(fileName);
    if (!IsPlainFileName(name)) return;
    fs::path page = HtmlDirectory(dir) / name;
    struct stat st {};
    if (::lstat(page.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return;
        throw FileError(page, "delete", errno);
    }
    if (S_ISDIR(st.st_mode)) return;
    DeleteFile(page);
}

}  // namespace

AuctionsFileState CheckAuctionsFile(const fs::path& dir) {
    fs::path file = RecordPath<AuctionRecord>(dir);
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        if (errno == ENOENT) return AuctionsFileState::Missing;
        throw FileError(file, "read", errno);
    }
    return st.st_size < 2 ? AuctionsFileState::TooShort : AuctionsFileState::Ready;
}

// Order of the work, so that a failure at any point loses nothing:
// everything that is written beside auctions.dat (notices, archive entries)
// is written and put on disk first; auctions.dat is then replaced in one
// atomic rename, the only step after which the ended auctions are gone. A
// failure before that rename leaves auctions.dat as it was and takes the
// notices and archive entries back, so the next run does the same work once.
MaintenanceSummary MaintenanceRun(const fs::path& dir, StatusLog& log, ProgressSink& progress) {
    const fs::path auctions = RecordPath<AuctionRecord>(dir);
    MaintenanceSummary summary;
    RunOutputs outputs(dir);

    progress.setPercent(0);
    log.addLine("Running System Maintenance");
    const LocalTime reference = Now();

    try {
        if (!FileExists(auctions)) throw FileError(auctions, "read", ENOENT);
        const UserIndex users = UserIndex::Load(RecordPath<UserRecord>(dir));

        RecordNo n = RecordCount<AuctionRecord>(auctions);
        ForEachRecordRaw(auctions, AuctionRecord::Length, [&](RecordNo k, std::string_view bytes) {
            const AuctionRecord a = DecodeRecord<AuctionRecord>(bytes);
            ++summary.checked;
            progress.setPercent(Percent(k, n));
            log.addLine("Checking Auction " + Trim(a.Description));
            if (!AuctionHasEnded(a, reference)) return true;
            DeleteItemPage(dir, a.FileName);
            log.addLine("Making Mail Notification Message for " + Trim(a.SellerEmail));
            outputs.writeNotice(SellerNotice(a, users));
            log.addLine("Making Mail Notification Message for " + Trim(a.HighBidder));
            outputs.writeNotice(HighBidderNotice(a, users));
            // Written here rather than while copying, so that it is on disk
            // before auctions.dat is replaced.
            outputs.appendArchive(ArchiveEntry(a));
            return true;
        });
        outputs.makeDurable();

        progress.setPercent(100);
        log.addLine("Deleting Old Auctions from Main Database");
        progress.setPercent(0);

        n = RecordCount<AuctionRecord>(auctions);
        RecordNo closed = 0;
        KeepRecordsRaw(auctions, AuctionRecord::Length, [&](RecordNo k, std::string_view bytes) {
            const AuctionRecord a = DecodeRecord<AuctionRecord>(bytes);
            progress.setPercent(Percent(k, n));
            if (!AuctionHasEnded(a, reference)) return true;
            log.addLine("Deleting Auction for " + Trim(a.SellerEmail));
            ++closed;
            return false;
        });
        summary.closed = closed;
    } catch (const std::exception& e) {
        std::string message = e.what();
        const bool wroteSome = outputs.wroteAnything();
        std::string leftOver = outputs.undo();
        message += "\nThe maintenance run was stopped; auctions.dat has not been changed";
        if (!wroteSome) {
            message += ".";
        } else if (leftOver.empty()) {
            message += ", and the notices and archive entries of this run were removed.";
        } else {
            message +=
                ". Some notices or archive entries of this run could not be removed; delete them by hand "
                "before the next run, or they are sent and archived twice:\n" +
                leftOver;
        }
        throw MaintenanceError(message);
    } catch (...) {
        outputs.undo();
        throw;
    }

    summary.notices = outputs.notices();
    log.addLine("Maintenance Run Finished");
    progress.setPercent(100);
    return summary;
}

}  // namespace gavlin
