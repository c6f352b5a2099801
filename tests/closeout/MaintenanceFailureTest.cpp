#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>

#include "CloseoutFixture.h"
#include "closeout/MaintenanceRun.h"

using namespace gavlin;
using namespace gavlin::test;
namespace fs = std::filesystem;

namespace {

// Every regular file of the directory with its content.
std::map<std::string, std::string> Snapshot(const TempDir& d) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(d.path()))
        if (e.is_regular_file()) files[e.path().filename().string()] = d.read(e.path().filename().string());
    return files;
}

// Ended and open auctions in turn, an archive and a notice from earlier runs.
void Populate(const TempDir& d) {
    WriteAuctions(d, {EndedAuction("a"), OpenAuction("b"), EndedAuction("c"), OpenAuction("d")});
    WriteUsers(d, {User("Sam", "seller@example.com")});
    d.write("2000.old", "earlier entry\r\n");
    d.write("keepmeee.out", "earlier notice\r\n");
}

std::string RunExpectingFailure(const TempDir& d) {
    Recorder r;
    try {
        MaintenanceRun(d.path(), r, r);
    } catch (const MaintenanceError& e) {
        return e.what();
    }
    return "(no failure)";
}

// Runs with the file size limited to limit bytes, as on a full disk.
std::string RunWithFileSizeLimit(const TempDir& d, rlim_t limit) {
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    std::string message = RunExpectingFailure(d);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return message;
}

}  // namespace

// Whatever fails, auctions.dat keeps its records and the run takes back the
// notices and archive entries it wrote, so the next run does it all once.
TEST(MaintenanceFailure, LeavesTheDirectoryAsItWas) {
    struct Case {
        const char* what;
        std::function<void(const TempDir&)> breakIt;
        std::function<std::string(const TempDir&)> run;
        const char* namedFile;
    };
    const Case cases[] = {
        {"archive path is a directory",
         [](const TempDir& d) { fs::remove(d / "2000.old"), fs::create_directory(d / "2000.old"); },
         RunExpectingFailure, "2000.old"},
        {"copy path is a directory", [](const TempDir& d) { fs::create_directory(d / "auctions.$$$"); },
         RunExpectingFailure, "auctions.$$$"},
        {"disk full while copying", [](const TempDir&) {},
         [](const TempDir& d) { return RunWithFileSizeLimit(d, AuctionRecord::Length * 3 / 2); }, "auctions.$$$"},
        {"disk full inside a notice", [](const TempDir&) {},
         [](const TempDir& d) { return RunWithFileSizeLimit(d, 100); }, ".out"},
    };
    for (const Case& c : cases) {
        TempDir d;
        Populate(d);
        c.breakIt(d);
        const auto before = Snapshot(d);
        FixedClock clock(At(2000, 6, 1, 12));
        std::string message = c.run(d);
        EXPECT_NE(message.find(c.namedFile), std::string::npos) << c.what << ": " << message;
        EXPECT_NE(message.find("auctions.dat has not been changed"), std::string::npos) << c.what << ": " << message;
        EXPECT_EQ(Snapshot(d), before) << c.what;
    }
}

TEST(MaintenanceFailure, ReadOnlyDirectoryIsReportedAndChangesNothing) {
    TempDir d;
    Populate(d);
    const auto before = Snapshot(d);
    OpenForNobody(d.path());
    fs::permissions(d.path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                  fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    FixedClock clock(At(2000, 6, 1, 12));
    int rc = RunAsNobody([&] {
        std::string message = RunExpectingFailure(d);
        if (message.find(".out") == std::string::npos) return 2;
        if (message.find("Permission denied") == std::string::npos) return 3;
        return 0;
    });
    fs::permissions(d.path(), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(Snapshot(d), before);
}
