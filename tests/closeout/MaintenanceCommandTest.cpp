#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "CloseoutFixture.h"
#include "cli/Cli.h"

using namespace gavlin;
using namespace gavlin::test;
namespace fs = std::filesystem;

TEST(MaintenanceCommand, MessagesExitStatusAndLog) {
    struct Case {
        const char* what;
        std::function<void(const TempDir&)> setup;
        int exit;
        std::string out, err;
    };
    const Case cases[] = {
        {"no auctions file", [](const TempDir&) {}, 0, "", "No Auctions Currently on File\n"},
        {"one byte", [](const TempDir& d) { d.write("auctions.dat", " "); }, 0, "", "No Auctions Found!\n"},
        {"a run",
         [](const TempDir& d) {
             WriteAuctions(d, {OpenAuction("kept"), EndedAuction("gone")});
         },
         0,
         "Running System Maintenance\n"
         "Checking Auction kept\n"
         "Checking Auction gone\n"
         "Making Mail Notification Message for seller@example.com\n"
         "Making Mail Notification Message for \n"
         "Deleting Old Auctions from Main Database\n"
         "Deleting Auction for seller@example.com\n"
         "Maintenance Run Finished\n",
         ""},
    };
    FixedClock clock(At(2000, 6, 1, 12));
    for (const Case& c : cases) {
        TempDir d;
        c.setup(d);
        std::ostringstream out, err;
        EXPECT_EQ(RunCommand("maintenance", d.path(), out, err), c.exit) << c.what;
        EXPECT_EQ(out.str(), c.out) << c.what;
        EXPECT_EQ(err.str(), c.err) << c.what;
    }
}

TEST(MaintenanceCommand, FileErrorExitsWithOneAndNamesTheFile) {
    TempDir d;
    WriteAuctions(d, {EndedAuction("gone")});
    fs::create_directory(d / "2000.old");
    const std::string before = d.read("auctions.dat");
    FixedClock clock(At(2000, 6, 1, 12));
    std::ostringstream out, err;
    EXPECT_EQ(RunCommand("maintenance", d.path(), out, err), 1);
    EXPECT_NE(err.str().find("2000.old"), std::string::npos) << err.str();
    EXPECT_EQ(d.read("auctions.dat"), before);
}
