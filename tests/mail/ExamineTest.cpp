#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <string>
#include <vector>

#include "MailTestSupport.h"
#include "mail/ExamineIncomingMessages.h"
#include "mail/NewItemPageName.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "store/FileError.h"
#include "support/TempDir.h"

using namespace gavlin;
using namespace gavlin::test;
using namespace std::string_literals;
using Lines = std::vector<std::string>;

namespace {

class Examine : public testing::Test {
protected:
    void SetUp() override {
        SetAutoValidate(d.path(), "N");
        SetClockForTests([] {
            LocalTime t;
            t.year = 2026, t.month = 3, t.day = 7, t.hour = 9, t.minute = 5, t.second = 1;
            return t;
        });
    }
    void TearDown() override { SetClockForTests({}); }

    Lines run() {
        LinesLog log;
        ExamineIncomingMessages(d.path(), log);
        return log.lines;
    }
    std::vector<UserRecord> users() const { return ReadAllRecords<UserRecord>(RecordPath<UserRecord>(d.path())); }
    std::vector<AuctionRecord> items() const {
        return ReadAllRecords<AuctionRecord>(RecordPath<AuctionRecord>(d.path()));
    }

    TempDir d;
};

bool IsNewPageName(const std::string& stored) {
    if (stored.size() != 12 || stored.substr(8) != ".htm") return false;
    for (char c : stored.substr(0, 8))
        if (c < 'a' || c > 'z') return false;
    return true;
}

}  // namespace

TEST_F(Examine, WithoutMessageFilesOnlyTheFirstLine) {
    d.write("pass.2", "old\r\n");
    d.write("pass.3", "old\r\n");
    EXPECT_EQ(run(), Lines{"Examining Incoming Messages"});
    EXPECT_FALSE(d.exists("pass.2"));
    EXPECT_FALSE(d.exists("pass.3"));
}

TEST_F(Examine, OtherMailIsPassedOver) {
    d.write("pass.2", "old\r\n");
    d.write("Hello.MSG", "Subject: hi\r\n\r\nGAVLIN=\r\nREGISTER\r\n");
    d.write("notes.txt", "GAVLIN=REGISTER&ALIAS=x");
    EXPECT_EQ(run(), (Lines{"Examining Incoming Messages", "Examining Message : Hello.MSG"}));
    EXPECT_FALSE(d.exists("pass.2"));
    EXPECT_FALSE(d.exists("pass.3"));
    EXPECT_FALSE(d.exists("reguser.dat"));
}

TEST_F(Examine, WorkFilesHoldTheJoinedAndDecodedTextsInNaturalOrder) {
    d.write("10.msg", "Subject: b\nGAVLIN=3DNEWBID&ITEMBID=3D1=\n0\n");
    d.write("2.msg", "Subject: a\r\nGAVLIN=NEWBID&EMAIL=a%40b+c=3D\r\n");
    d.write("1.txt", "GAVLIN=NEWBID");
    EXPECT_EQ(run(), (Lines{"Examining Incoming Messages", "Examining Message : 2.msg",
                            "Message 2.msg is an Incoming Gavlin Message!", "Examining Message : 10.msg",
                            "Message 10.msg is an Incoming Gavlin Message!"}));
    EXPECT_EQ(d.read("pass.2"),
              "Subject: aGAVLIN=NEWBID&EMAIL=a%40b+c=3D\r\nSubject: bGAVLIN=3DNEWBID&ITEMBID=3D10\r\n");
    EXPECT_EQ(d.read("pass.3"), "Subject: aGAVLIN=NEWBID&EMAIL=a@b c=3D\r\nSubject: bGAVLIN=NEWBID&ITEMBID=10\r\n");
    EXPECT_TRUE(d.exists("2.msg"));
    EXPECT_TRUE(d.exists("10.msg"));
}

TEST_F(Examine, RegistrationStoresEveryFieldCutToWidth) {
    const std::string alias40(40, 'a');
    d.write("1.msg", "GAVLIN=REGISTER&ALIAS=" + alias40 +
                         "&REALNAME=++Joe+Smith++&PASSWORD=pw&EMAIL=joe%40example.com&ADDRESS=1+Main+St%0D%0AFlat+2"
                         "&CITY=Rome&STATE=NY&ZIP=13440&PHONE=%2B1+555&COUNTRY=USA\n");
    d.write("2.msg", "GAVLIN=REGISTER&ALIAS=anon&EMAIL=anon%40example.com\n");
    d.write("3.msg", "GAVLIN=REGISTER&REALNAME=&ALIAS=\n");  // a blank name still gets its line
    EXPECT_EQ(run(), (Lines{"Examining Incoming Messages", "Examining Message : 1.msg",
                            "Message 1.msg is an Incoming Gavlin Message!", "Examining Message : 2.msg",
                            "Message 2.msg is an Incoming Gavlin Message!", "Examining Message : 3.msg",
                            "Message 3.msg is an Incoming Gavlin Message!", "Adding Joe Smith To user Database",
                            "Adding  To user Database"}));
    UserRecord want;
    want.Alias = alias40;
    want.RealName = "  Joe Smith  ";
    want.Password = "pw";
    want.Email = "joe@example.com";
    want.Address = "1 Main St  Flat 2";
    want.City = "Rome";
    want.State = "NY";
    want.Zip = "13440";
    want.Phone = "+1 555";
    want.Country = "USA";
    want.Validated = "N";
    UserRecord anon;
    anon.Alias = "anon";
    anon.Email = "anon@example.com";
    anon.Validated = "N";
    UserRecord blank;
    blank.Validated = "N";
    EXPECT_EQ(d.read("reguser.dat"), EncodeRecord(want) + EncodeRecord(anon) + EncodeRecord(blank));
}

TEST_F(Examine, ValidationModeSetsTheFlagOfNewRecords) {
    for (const auto& [mode, flag] :
         {std::pair{"Y", "Y"}, std::pair{"N", "N"}, std::pair{" ", "N"}, std::pair{"y", "N"}}) {
        TempDir dir;
        SetAutoValidate(dir.path(), mode);
        dir.write("1.msg", "GAVLIN=REGISTER&GAVLIN=NEWAUCTION&ALIAS=x&ITEMNAME=y\n");
        LinesLog log;
        ExamineIncomingMessages(dir.path(), log);
        EXPECT_EQ(ReadRecord<UserRecord>(RecordPath<UserRecord>(dir.path()), 1).Validated, flag) << mode;
        EXPECT_EQ(ReadRecord<AuctionRecord>(RecordPath<AuctionRecord>(dir.path()), 1).Validated, flag) << mode;
    }
}

TEST_F(Examine, NewItemIsStoredWithPageNameAndSeller) {
    AddUser(d.path(), "seller@example.com", "pw", "Seller Sam");
    AddItem(d.path(), "oldoldol.htm", "1");
    d.write("1.msg",
            "GAVLIN=NEWAUCTION&CATEGORY=Toys&ITEMNAME=Yo-yo+%26+string&IMAGEURL=http%3A%2F%2Fx%2Fy.jpg&ENDMONTH=12"
            "&ENDDAY=24&ENDYEAR=2026&ENDTIME=18&DESCRIPTION=Line+one%0D%0ALine+two&EMAIL=+SELLER%40example.COM"
            "&PASSWORD=anything&MINBID=5.50\n");
    d.write("2.msg", "GAVLIN=NEWAUCTION&EMAIL=stranger%40example.com&MINBID=1\n");
    Lines lines = run();
    EXPECT_EQ(lines.back(), "Adding Yo-yo To Auctions Database");
    auto all = items();
    ASSERT_EQ(all.size(), 3u);
    AuctionRecord want;
    want.FileName = all[1].FileName;
    want.Validated = "N";
    want.SellerAlias = "Seller Sam";
    want.Category = "Toys";
    want.ItemName = "Yo-yo ";
    want.ImageURL = "http://x/y.jpg";
    want.EndMonth = "12";
    want.EndDay = "24";
    want.EndYear = "2026";
    want.EndHour = "18";
    want.Description = "Line one  Line two";
    want.SellerEmail = " SELLER@example.COM";
    want.SellerPassword = "anything";
    want.MinBid = "5.50";
    EXPECT_EQ(EncodeRecord(all[1]), EncodeRecord(want));
    EXPECT_TRUE(IsNewPageName(all[1].FileName)) << all[1].FileName;
    EXPECT_EQ(all[2].SellerAlias, FitField("Not Registered as User", 30));
    EXPECT_NE(all[1].FileName, all[2].FileName);
}

TEST_F(Examine, BatchStoresRegistrationsThenItemsThenBids) {
    // The bid comes first in the listing, its item second, its bidder last.
    d.write("1.msg", "GAVLIN=NEWBID&IDENTIFICATION=abcdefgh.htm&EMAIL=amy%40x.org&PASSWORD=pw&ITEMBID=20\n");
    d.write("2.msg", "GAVLIN=NEWAUCTION&ITEMNAME=Lamp&EMAIL=amy%40x.org&MINBID=10\n");
    d.write("3.msg",
            "GAVLIN=REGISTER&GAVLIN=NEWAUCTION&ALIAS=Amy&REALNAME=Amy&EMAIL=amy%40x.org&PASSWORD=pw"
            "&ITEMNAME=Vase\n");
    SeedRandomForTests(7);
    const std::string first = NewItemPageName(d.path(), [](std::string_view) { return false; });
    SeedRandomForTests(7);
    AddItem(d.path(), "abcdefgh.htm", "10");
    Lines lines = run();
    EXPECT_EQ(Lines(lines.begin() + 7, lines.end()),
              (Lines{"Adding Amy To user Database", "Adding Lamp To Auctions Database",
                     "Adding Vase To Auctions Database", "Adding New High Bidderamy@x.org To Auctions Database"}));
    auto all = items();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(Trim(all[1].SellerAlias), "Amy");
    EXPECT_EQ(Trim(all[2].SellerAlias), "Amy");
    EXPECT_EQ(all[1].FileName, first);
    EXPECT_EQ(Trim(all[0].HighPrice), "20");
}

TEST_F(Examine, BidsRaiseTheTopBidInTurn) {
    AddUser(d.path(), "amy@x.org", "Secret", "Amy");
    AddUser(d.path(), "bob@x.org", "pw", "Bob");
    AddItem(d.path(), "abcdefgh.htm", "10");
    struct Bid {
        const char* email;
        const char* password;
        const char* amount;
        bool accepted;
    };
    const Bid bids[] = {
        {"amy%40x.org", "Secret", "5", false},     {"amy%40x.org", "SECRET", "10", true},
        {"bob%40x.org", "pw", "10", false},        {"bob%40x.org", "pw", "10.01+dollars", true},
        {"bob%40x.org", "wrong", "50", false},     {"nobody%40x.org", "pw", "50", false},
        {"amy%40x.org", "Secret", "%2450", false}, {"+AMY%40X.ORG+", "secret", "1%2C000", false},
        {"+AMY%40X.ORG+", "secret", "11", true},
    };
    int n = 0;
    for (const Bid& b : bids)
        d.write(std::to_string(++n) + ".msg", "GAVLIN=NEWBID&IDENTIFICATION=ABCDEFGH.HTM+&EMAIL="s + b.email +
                                                  "&PASSWORD=" + b.password + "&ITEMBID=" + b.amount + "\n");
    Lines lines = run();
    Lines added(lines.begin() + 1 + 2 * n, lines.end());
    EXPECT_EQ(added, (Lines{"Adding New High Bidderamy@x.org To Auctions Database",
                            "Adding New High Bidderbob@x.org To Auctions Database",
                            "Adding New High BidderAMY@X.ORG To Auctions Database"}));
    AuctionRecord a = items().at(0);
    EXPECT_EQ(a.HighPrice, FitField("11", 10));
    EXPECT_EQ(a.HighBidder, FitField(" AMY@X.ORG ", 30));
    EXPECT_EQ(a.HighDate, FitField("03-07-2026", 30));
    EXPECT_EQ(a.HighTime, "09");
    EXPECT_EQ(a.LastPrice, FitField("10.01 doll", 10));
    EXPECT_EQ(a.LastBidder, FitField("bob@x.org", 30));
    EXPECT_EQ(a.LastDate, FitField("03-07-2026", 30));
    EXPECT_EQ(a.LastTime, "09");
    EXPECT_EQ(a.ItemName, FitField("item abcdefgh.htm", 25));
}

TEST_F(Examine, FirstBidLeavesThePreviousBidBlank) {
    AddUser(d.path(), "amy@x.org", "pw", "Amy");
    AddItem(d.path(), "abcdefgh.htm", "");
    d.write("1.msg", "GAVLIN=NEWBID&IDENTIFICATION=abcdefgh.htm&EMAIL=amy%40x.org&PASSWORD=pw&ITEMBID=0.5\n");
    run();
    AuctionRecord a = items().at(0);
    EXPECT_EQ(Trim(a.HighPrice), "0.5");
    EXPECT_EQ(Trim(a.LastPrice + a.LastBidder + a.LastDate + a.LastTime), "");
}

TEST_F(Examine, RefusedBidGoesOnToTheNextItemWithThatName) {
    AddUser(d.path(), "amy@x.org", "pw", "Amy");
    AddItem(d.path(), "twinname.htm", "1", "100");
    AddItem(d.path(), "other123.htm", "1");
    AddItem(d.path(), "TWINNAME.htm", "1", "20");
    AddItem(d.path(), "twinname.htm", "1");
    d.write("1.msg", "GAVLIN=NEWBID&IDENTIFICATION=twinname.htm&EMAIL=amy%40x.org&PASSWORD=pw&ITEMBID=50\n");
    d.write("2.msg", "GAVLIN=NEWBID&IDENTIFICATION=twinname.htm&EMAIL=amy%40x.org&PASSWORD=pw&ITEMBID=60\n");
    d.write("3.msg", "GAVLIN=NEWBID&IDENTIFICATION=twinname.htm&EMAIL=amy%40x.org&PASSWORD=pw&ITEMBID=55\n");
    run();
    auto all = items();
    EXPECT_EQ(Trim(all[0].HighPrice), "100");
    EXPECT_EQ(Trim(all[1].HighPrice), "");
    EXPECT_EQ(Trim(all[2].HighPrice), "60");  // 50, then 60 over it
    EXPECT_EQ(Trim(all[2].LastPrice), "50");
    EXPECT_EQ(Trim(all[3].HighPrice), "55");  // 55 is refused by the two before
}

TEST_F(Examine, LongAddressesAndPasswordsStillFindTheUser) {
    const std::string email = "a.very.long.address.indeed@example.com";  // 38 characters
    const std::string password = "LongPassword42";
    d.write("1.msg", "GAVLIN=REGISTER&ALIAS=Longo&EMAIL=" + email + "&PASSWORD=" + password + "\n");
    d.write("2.msg", "GAVLIN=NEWAUCTION&ITEMNAME=Kite&EMAIL=" + email + "&MINBID=1\n");
    d.write("3.msg",
            "GAVLIN=NEWBID&IDENTIFICATION=abcdefgh.htm&EMAIL=" + email + "&PASSWORD=longpassword42&ITEMBID=3\n");
    d.write("4.msg", "GAVLIN=NEWBID&IDENTIFICATION=abcdefgh.htm&EMAIL=" + email + "&PASSWORD=LongPassw&ITEMBID=4\n");
    AddItem(d.path(), "abcdefgh.htm", "1");
    run();
    auto all = items();
    EXPECT_EQ(Trim(all[1].SellerAlias), "Longo");
    EXPECT_EQ(Trim(all[0].HighPrice), "3");
    EXPECT_EQ(all[0].HighBidder, email.substr(0, 30));
}

TEST_F(Examine, NewPageNamesAvoidNamesAlreadyTaken) {
    // Draw the names the seeded source will give, then take them beforehand.
    SeedRandomForTests(42);
    auto never = [](std::string_view) { return false; };
    const std::string a = NewItemPageName(d.path(), never), b = NewItemPageName(d.path(), never),
                      c = NewItemPageName(d.path(), never);
    AddItem(d.path(), UpperAscii(a), "1");
    std::string upper = UpperAscii(b);
    d.write("HTML/" + upper, "<html></html>");
    d.write("1.msg", "GAVLIN=NEWAUCTION&ITEMNAME=one\n");
    d.write("2.msg", "GAVLIN=NEWAUCTION&ITEMNAME=two\n");
    SeedRandomForTests(42);
    run();
    auto all = items();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1].FileName, c);
    EXPECT_TRUE(IsNewPageName(all[2].FileName));
    EXPECT_NE(all[2].FileName, c);
    EXPECT_NE(all[2].FileName, a);
    EXPECT_NE(all[2].FileName, b);
}

TEST_F(Examine, QuotedPrintableEqualsOnlyInQuotedPrintableMessages) {
    d.write("1.msg", "GAVLIN=NEWAUCTION&ITEMNAME=3D+glasses&DESCRIPTION=x=3Dy\n");
    d.write("2.msg", "GAVLIN=3DNEWAUCTION&ITEMNAME=3D3D+glasses&DESCRIPTION=3Dx=3Dy=\n%3D3D\n");
    run();
    auto all = items();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(Trim(all[0].ItemName), "3D glasses");
    EXPECT_EQ(Trim(all[0].Description), "x=3Dy");
    EXPECT_EQ(Trim(all[1].ItemName), "3D glasses");
    EXPECT_EQ(Trim(all[1].Description), "x=y=3D");
}

TEST_F(Examine, HostileMessagesNeverDamageTheRecordFiles) {
    struct Case {
        const char* what;
        std::string message;
        std::size_t users, items;
        std::string firstAlias;
    };
    for (const Case& c : {
             Case{"NUL bytes", "GAVLIN=REGISTER&ALIAS=a\0b&EMAIL=x\0\n"s, 1, 0, "a\0b"s},
             Case{"8-bit and invalid UTF-8", "GAVLIN=REGISTER&ALIAS=\xff\xc3(%FF%C0&CITY=\xe9\n", 1, 0,
                  "\xff\xc3(\xff\xc0"},
             Case{"CR line ends", "Subject: x\rGAVLIN=REGISTER&ALIAS=cr\r&CITY=y\r", 1, 0, "cr"},
             Case{"no final line end", "GAVLIN=REGISTER&ALIAS=last", 1, 0, "last"},
             Case{"% at the line end", "GAVLIN=REGISTER&ALIAS=a%\r\n", 1, 0, "a"},
             Case{"& and = everywhere", "GAVLIN=NEWAUCTION&&&&====&ITEMNAME==&=&&DESCRIPTION=a=b=c&=&\n", 0, 1, ""},
             Case{"repeated keys", "GAVLIN=REGISTER&GAVLIN=REGISTER&ALIAS=1&ALIAS=2\n", 1, 0, "1"},
             Case{"marker with nothing after it", "x GAVLIN=REGISTER  \n", 0, 0, ""},
             Case{"keys without values", "GAVLIN=NEWBID&IDENTIFICATION=&EMAIL=&PASSWORD=&ITEMBID=\n", 0, 0, ""},
             Case{"only line ends", "\r\n\r\n\n\r", 0, 0, ""},
         }) {
        TempDir dir;
        SetAutoValidate(dir.path(), "Y");
        dir.write("1.msg", c.message);
        LinesLog log;
        ASSERT_NO_THROW(ExamineIncomingMessages(dir.path(), log)) << c.what;
        auto u = ReadAllRecords<UserRecord>(RecordPath<UserRecord>(dir.path()));
        auto a = ReadAllRecords<AuctionRecord>(RecordPath<AuctionRecord>(dir.path()));
        EXPECT_EQ(u.size(), c.users) << c.what;
        EXPECT_EQ(a.size(), c.items) << c.what;
        EXPECT_EQ(dir.read("reguser.dat").size() % UserRecord::Length, 0u) << c.what;
        EXPECT_EQ(dir.read("auctions.dat").size() % AuctionRecord::Length, 0u) << c.what;
        if (!u.empty()) {
            EXPECT_EQ(Trim(u[0].Alias), c.firstAlias) << c.what;
        }
    }
}

TEST_F(Examine, TenMegabyteMessageIsHandledLikeAnyOther) {
    std::string big = "Subject: big\r\n\r\nGAVLIN=NEWAUCTION&ITEMNAME=Big&DESCRIPTION=";
    const std::string line(998, 'x');
    while (big.size() < 10'000'000) big += line + "\r\n";
    big += "&MINBID=7\r\n";
    d.write("1.msg", big);
    d.write("2.msg", "GAVLIN=REGISTER&ALIAS=small\n");
    run();
    auto all = items();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].Description, std::string(5000, 'x'));
    EXPECT_EQ(Trim(all[0].MinBid), "7");
    EXPECT_EQ(users().size(), 1u);
}

TEST_F(Examine, UnreadableMessageFileIsAnErrorNamingIt) {
    d.write("1.msg", "GAVLIN=REGISTER&ALIAS=a\n");
    d.write("2.msg", "GAVLIN=REGISTER&ALIAS=b\n");
    ::chmod((d / "2.msg").c_str(), 0);
    OpenForNobody(d.path());
    ::chmod(d.path().c_str(), 0777);
    int rc = RunAsNobody([&] {
        LinesLog log;
        try {
            ExamineIncomingMessages(d.path(), log);
        } catch (const FileError& e) {
            return std::string(e.what()).find("2.msg") != std::string::npos ? 0 : 2;
        }
        return 3;
    });
    EXPECT_EQ(rc, 0);
    EXPECT_FALSE(d.exists("reguser.dat"));
}

TEST_F(Examine, FullDiskEndsTheRunAndKeepsWhatWasStored) {
    AddItem(d.path(), "abcdefgh.htm", "1");
    const std::string before = d.read("auctions.dat");
    d.write("1.msg", "GAVLIN=REGISTER&GAVLIN=NEWAUCTION&ALIAS=Amy&ITEMNAME=Lamp\n");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = AuctionRecord::Length + AuctionRecord::Length / 2;
    setrlimit(RLIMIT_FSIZE, &small);
    try {
        run();
        ADD_FAILURE() << "the append should have failed";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("auctions.dat"), std::string::npos) << e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(Trim(users().at(0).Alias), "Amy");
    EXPECT_EQ(d.read("auctions.dat").substr(0, before.size()), before);
    EXPECT_EQ(RecordCount<AuctionRecord>(RecordPath<AuctionRecord>(d.path())), 1);
}
