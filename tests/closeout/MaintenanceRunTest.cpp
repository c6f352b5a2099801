#include <gtest/gtest.h>

#include <filesystem>

#include "CloseoutFixture.h"
#include "closeout/MaintenanceRun.h"
#include "store/Text.h"

using namespace gavlin;
using namespace gavlin::test;
namespace fs = std::filesystem;

namespace {

std::string Pad(const std::string& s, std::size_t width) {
    return s + std::string(width - s.size(), ' ');
}

std::vector<std::string> OutFiles(const TempDir& d) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(d.path()))
        if (EndsWithNoCase(e.path().filename().string(), ".out")) names.push_back(e.path().filename().string());
    return names;
}

MaintenanceSummary RunIn(const TempDir& d, Recorder& r) {
    return MaintenanceRun(d.path(), r, r);
}

MaintenanceSummary RunIn(const TempDir& d) {
    Recorder r;
    return RunIn(d, r);
}

}  // namespace

TEST(MaintenanceRun, ClosesEndedAuctionsWithNoticesArchiveAndPages) {
    TempDir d;
    fs::create_directory(d / "HTML");
    d.write("HTML/abcdefgh.htm", "page");
    d.write("HTML/zzzzzzzz.htm", "page");
    d.write("2000.old", "earlier entry\r\n");
    WriteUsers(d, {User("Sam Seller", "seller@x.com"), User("Tina Top", " top@x.com"), User("Pete Prev", "prev@x.com"),
                   User("Second Tina", "top@x.com")});

    AuctionRecord ended = Auction("A fine kite\r\nwith tail", "03", "15", "1999", "10");
    ended.FileName = "abcdefgh.htm";
    ended.SellerAlias = "sam";
    ended.ItemName = "Red Kite";
    ended.SellerEmail = "seller@x.com";
    ended.HighPrice = "12.50";
    ended.HighBidder = "  TOP@x.com";
    ended.HighDate = "03-14-1999";
    ended.HighTime = "16";
    ended.LastPrice = "10";
    ended.LastBidder = "prev@x.com";
    ended.LastDate = "03-13-1999";
    ended.LastTime = "09";
    AuctionRecord open = OpenAuction("Open item");
    open.FileName = "zzzzzzzz.htm";
    WriteAuctions(d, {ended, open});

    FixedClock clock(At(2000, 1, 2, 8, 30));
    Recorder r;
    MaintenanceSummary s = RunIn(d, r);

    EXPECT_EQ(r.lines,
              (std::vector<std::string>{"Running System Maintenance", "Checking Auction A fine kite\r\nwith tail",
                                        "Making Mail Notification Message for seller@x.com",
                                        "Making Mail Notification Message for TOP@x.com", "Checking Auction Open item",
                                        "Deleting Old Auctions from Main Database", "Deleting Auction for seller@x.com",
                                        "Maintenance Run Finished"}));
    EXPECT_EQ(r.percents, (std::vector<int>{0, 50, 100, 100, 0, 50, 100, 100}));
    EXPECT_EQ(s.checked, 2);
    EXPECT_EQ(s.closed, 1);

    const std::string at16 = std::string(20, ' ') + " at 16";
    ASSERT_EQ(s.notices.size(), 2u);
    EXPECT_EQ(OutFiles(d).size(), 2u);
    EXPECT_EQ(d.read(s.notices[0].filename().string()),
              "seller@x.com\r\n"
              "Auctions Results\r\n"
              "Below are the final results of the latest auction in which you\r\n"
              "were a Seller.  Transactions are the responsibility of the Seller\r\n"
              "(you) and the buyer (high bidder).  For your convenience, the second\r\n"
              "High Bidder (if any) is given below the High Bidder. Name and Email\r\n"
              "information are given so you can contact the buyer and work out the\r\n"
              "Shipping, Payment, etc. arrangements.\r\n"
              "\r\n"
              "Auction: Red Kite\r\n"
              "\r\n"
              "High Bid: 12.50\r\n"
              "High Bid Time and Date: 03-14-1999" +
                  at16 +
                  "\r\n"
                  "High Bidder Name: Tina Top\r\n"
                  "High Bidder Email: top@x.com\r\n"
                  "\r\n"
                  "\r\n"
                  "Second High Bid: 10\r\n"
                  "Second High Bid Time and Date: 03-13-1999" +
                  std::string(20, ' ') +
                  " at 09\r\n"
                  "Second High Bidder Name: Pete Prev\r\n"
                  "Second High Bidder Email: prev@x.com\r\n");
    EXPECT_EQ(d.read(s.notices[1].filename().string()),
              "TOP@x.com\r\n"
              "Auction Results\r\n"
              "Below are the final results of the latest auction in which you\r\n"
              "were the HIGH BIDDER.  Transactions are the responsibility of the Seller\r\n"
              "and the you (the high bidder).  \r\n"
              "Name and Email information are given so you can contact the seller and \r\n"
              "work out the Shipping, Payment, etc. arrangements.\r\n"
              "\r\n"
              "Auction: Red Kite\r\n"
              "\r\n"
              "High Bid: 12.50\r\n"
              "High Bid Time and Date: 03-14-1999" +
                  at16 +
                  "\r\n"
                  "Seller Name: Sam Seller\r\n"
                  "Seller Email: seller@x.com\r\n"
                  "\r\n"
                  "\r\n");
    for (const auto& n : s.notices) {
        std::string name = n.filename().string();
        EXPECT_EQ(name.size(), 12u);
        EXPECT_EQ(name.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), 8u) << name;
        EXPECT_EQ(name.substr(8), ".out");
    }

    // The archive of the year of the run, also for an auction of the year before.
    EXPECT_FALSE(d.exists("1999.old"));
    EXPECT_EQ(d.read("2000.old"),
              "earlier entry\r\n"
              "Item Name: Red Kite\r\n"
              "Item Description: A fine kite\r\nwith tail\r\n"
              "Category: Toys\r\n"
              "Auction Ended: 03/15/1999 at 10\r\n"
              "Seller Alias: " +
                  Pad("sam", 30) + "\r\nSeller Email: " + Pad("seller@x.com", 25) + "\r\nMinimum Bid: " + Pad("5", 10) +
                  "\r\n\r\n"
                  "Top Bidder Email: " +
                  Pad("  TOP@x.com", 30) + "\r\nTop Bid: " + Pad("12.50", 10) +
                  "\r\nTop Bid Date: " + Pad("03-14-1999", 30) +
                  " at 16\r\n\r\n"
                  "Previous Top Bidder Email: " +
                  Pad("prev@x.com", 30) + "\r\nPreivous Top Bid: " + Pad("10", 10) +
                  "\r\nPrevious Top Bid Date: " + Pad("03-13-1999", 30) +
                  " at 09\r\n\r\n"
                  "--------------------------------------------------\r\n");

    EXPECT_EQ(d.read("auctions.dat"), EncodeRecord(open));
    EXPECT_FALSE(d.exists("auctions.$$$"));
    EXPECT_FALSE(d.exists("HTML/abcdefgh.htm"));
    EXPECT_TRUE(d.exists("HTML/zzzzzzzz.htm"));
}

// Each lookup only decides its own block; the rest of the notice is written.
TEST(MaintenanceRun, BlocksFollowTheRegisteredUsers) {
    const std::string longAddress = "a.long.bidder.name@example.com";  // 30 characters
    struct Case {
        const char* what;
        std::vector<UserRecord> users;
        std::string highBidder, lastBidder, validated;
        bool a, b, c;
    };
    const Case cases[] = {
        {"no bids, never validated", {User("Sam", "seller@example.com")}, "", "", "N", false, false, true},
        {"bidders unknown", {User("Sam", "seller@example.com")}, "top@x.com", "prev@x.com", "Y", false, false, true},
        {"seller and top bidder unknown",
         {User("Pete", "PREV@X.COM ")},
         "top@x.com",
         " prev@x.com",
         "Y",
         false,
         true,
         false},
        {"top bidder in another case", {User("Tina", "Top@X.com")}, "tOP@x.COM", "", "Y", true, false, false},
        // Registration stores the first 25 characters of a long address; the
        // top bidder field keeps 30, and the lookup compares the first 25.
        {"long top bidder address", {User("Lou", longAddress)}, longAddress, "", "Y", true, false, false},
        {"a user without address is nobody's match", {User("Blank", "")}, "", "", "Y", false, false, false},
        {"an address blank in its first 25 characters is blank",
         {User("Blank", "")},
         std::string(25, ' ') + "x@y.c",
         "",
         "Y",
         false,
         false,
         false},
    };
    for (const Case& c : cases) {
        TempDir d;
        WriteUsers(d, c.users);
        AuctionRecord a = EndedAuction("thing");
        a.Validated = c.validated;
        a.HighBidder = c.highBidder;
        a.LastBidder = c.lastBidder;
        if (!c.highBidder.empty()) a.HighPrice = "20";
        WriteAuctions(d, {a});
        FixedClock clock(At(2000, 6, 1, 12));
        MaintenanceSummary s = RunIn(d);
        ASSERT_EQ(s.notices.size(), 2u) << c.what;
        const std::string seller = d.read(s.notices[0].filename().string());
        const std::string bidder = d.read(s.notices[1].filename().string());

        EXPECT_EQ(seller.find("\r\nHigh Bidder Name: ") != std::string::npos, c.a) << c.what;
        EXPECT_EQ(seller.find("Second High Bidder Name: ") != std::string::npos, c.b) << c.what;
        EXPECT_EQ(bidder.find("Seller Name: ") != std::string::npos, c.c) << c.what;
        // The fixed lines stay whatever the lookups found.
        EXPECT_NE(seller.find("Shipping, Payment, etc. arrangements.\r\n\r\nAuction: Item thing\r\n\r\n"),
                  std::string::npos)
            << c.what;
        if (!c.a && !c.b) {
            EXPECT_TRUE(seller.ends_with("Auction: Item thing\r\n\r\n\r\n\r\n")) << c.what;
        }
        if (!c.c) {
            EXPECT_TRUE(bidder.ends_with("Auction: Item thing\r\n\r\n\r\n\r\n")) << c.what;
        }
        // Without a bid the notice has no recipient; the sender throws it away.
        EXPECT_EQ(bidder.substr(0, bidder.find("\r\n")), Trim(c.highBidder)) << c.what;
        EXPECT_EQ(d.read("auctions.dat"), "") << c.what;
    }
}

TEST(MaintenanceRun, AllEndedLeavesAnEmptyFileAndTheNextRunFindsNothing) {
    TempDir d;
    WriteAuctions(d, {EndedAuction("one"), EndedAuction("two"), EndedAuction("three")});
    d.write("auctions.$$$", "left over from an interrupted run");
    FixedClock clock(At(2000, 6, 1, 12));
    MaintenanceSummary s = RunIn(d);
    EXPECT_EQ(s.closed, 3);
    EXPECT_EQ(s.notices.size(), 6u);
    ASSERT_TRUE(d.exists("auctions.dat"));
    EXPECT_EQ(fs::file_size(d / "auctions.dat"), 0u);
    EXPECT_FALSE(d.exists("auctions.$$$"));
    EXPECT_EQ(CheckAuctionsFile(d.path()), AuctionsFileState::TooShort);
}

TEST(MaintenanceRun, NothingEndedChangesNothing) {
    TempDir d;
    WriteAuctions(d, {OpenAuction("one"), OpenAuction("two")});
    const std::string before = d.read("auctions.dat");
    FixedClock clock(At(2000, 6, 1, 12));
    MaintenanceSummary s = RunIn(d);
    EXPECT_EQ(s.closed, 0);
    EXPECT_EQ(d.read("auctions.dat"), before);
    EXPECT_TRUE(OutFiles(d).empty());
    EXPECT_FALSE(d.exists("2000.old"));
}

TEST(MaintenanceRun, ExistingNoticeFilesAreNeverOverwritten) {
    FixedClock clock(At(2000, 6, 1, 12));
    // A first run shows which names the random source gives.
    TempDir first;
    WriteAuctions(first, {EndedAuction("x")});
    SeedRandomForTests(77);
    MaintenanceSummary drawn = RunIn(first);
    ASSERT_EQ(drawn.notices.size(), 2u);

    TempDir d;
    WriteAuctions(d, {EndedAuction("x")});
    for (const auto& n : drawn.notices) d.write(n.filename().string(), "not yet sent");
    SeedRandomForTests(77);
    MaintenanceSummary s = RunIn(d);
    for (const auto& n : drawn.notices) EXPECT_EQ(d.read(n.filename().string()), "not yet sent");
    ASSERT_EQ(s.notices.size(), 2u);
    EXPECT_NE(s.notices[0], s.notices[1]);
    for (const auto& n : s.notices) {
        EXPECT_NE(n.filename(), drawn.notices[0].filename());
        EXPECT_NE(n.filename(), drawn.notices[1].filename());
    }
    EXPECT_EQ(OutFiles(d).size(), 4u);
}

TEST(MaintenanceRun, OnlyPlainPageNamesInsideTheHtmlDirectoryAreDeleted) {
    TempDir d;
    fs::create_directories(d / "HTML" / "sub");
    d.write("victim.htm", "outside");
    d.write("HTML/sub/page.htm", "nested");
    d.write("HTML/a\\b.htm", "backslash");
    d.write("HTML/plain.htm", "plain");
    std::vector<AuctionRecord> auctions;
    for (const char* name :
         {"../victim.htm", "..", ".", "sub/page.htm", "a\\b.htm", "sub", "missing.htm", "", " plain.htm"}) {
        auctions.push_back(EndedAuction(name));
        auctions.back().FileName = name;
    }
    WriteAuctions(d, auctions);
    FixedClock clock(At(2000, 6, 1, 12));
    MaintenanceSummary s = RunIn(d);
    EXPECT_EQ(s.closed, static_cast<RecordNo>(auctions.size()));
    EXPECT_TRUE(d.exists("victim.htm"));
    EXPECT_TRUE(d.exists("HTML/sub/page.htm"));
    EXPECT_TRUE(d.exists("HTML/a\\b.htm"));
    EXPECT_FALSE(d.exists("HTML/plain.htm"));
}
