#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "HtmlFixture.h"
#include "html/PageGenerators.h"

using namespace gavlin;
using namespace gavlin::test;

namespace {

struct Box {
    std::string bid, bidder, date, time = " AM";
};

struct Expected {
    std::string opening = "<HTML><BODY>\r\n";
    std::string heading;  // item heading lines
    Box current, previous;
    std::string ends = "Monday, January 05, 1998 at 2 PM";
    std::string minBid = "10";
    std::string site = "auctions@example.com";
    std::string id;
    std::string suggested = "11";
    std::string closing = "</BODY></HTML>\r\n";
};

std::string BoxLines(const char* title, const Box& b) {
    return Crlf({"<table border=1 width=200>", "<TR><TD>", std::string("<center><i><b>") + title + "</b></i></center>",
                 "<p>", "<font size=-1>High Bid: " + b.bid, "<br>", "High Bidder: " + b.bidder, "<br>",
                 "High Bid Date: " + b.date, "<br>", "High Bid time: " + b.time + "<font size=-1>",
                 "</TD></TR></TABLE>"});
}

std::string Page(const Expected& e) {
    return e.opening + e.heading + Crlf({"<table border=0 width=600>", "<TR><TD valign=top>"}) +
           BoxLines("Current High Bid Information", e.current) + Crlf({"<br>"}) +
           BoxLines("Previous High Bid Information", e.previous) +
           Crlf({"<br>",
                 "<table border=0 width=200>",
                 "<TR><TD><center>",
                 "<FORM>",
                 "<INPUT TYPE=\"button\" Value = \" Previous \" onClick = \" history.go(-1) \">",
                 "</FORM>",
                 "</CENTER></TD></TR></TABLE>",
                 "</TD><TD valign=top>",
                 "<table border=0 width=399><TR><TD>",
                 "<center><H3>MAKE A BID ON THIS ITEM</H3></center>",
                 "<center>This Auction Ends " + e.ends + "</center>",
                 "<br>",
                 "<center>The Minimum Bid for this Item is : " + e.minBid + "</center>",
                 "<br>",
                 "<font size = -1>You must first be <a href=\"register.htm\">REGISTERED</a> before you can bid on "
                 "an item.  If you are",
                 " registered please complete the information below and press the BID button.</font>",
                 "</center>",
                 "<P>",
                 "<FORM name=\"mailto \"method=\"post\" action=\"mailto:" + e.site + "\">",
                 "<INPUT type=hidden name=\"GAVLIN\"value=\"NEWBID\">",
                 "<INPUT type=hidden name=\"IDENTIFICATION\"value=\"" + e.id + "\">",
                 "<b>Your Email Address:</b> <INPUT type=\"text\" size=25 name=\"EMAIL\">",
                 "<br>",
                 "<b>Your Password:</b> <INPUT type=\"text\" size=10 name=\"PASSWORD\">",
                 "<br>",
                 "<b>Your Bid for this Item:</b> <INPUT type=\"text\" size=10 name=\"ITEMBID\"value=\"" + e.suggested +
                     "\"><br><br>",
                 "<P>",
                 "<center><INPUT type=submit value=\"BID\"></center>",
                 "</FORM>",
                 "</TD></TR></table>",
                 "</TD></TR></TABLE>"}) +
           e.closing;
}

std::string Plain(const std::string& name, const std::string& description = "A fine thing") {
    return Crlf({"<center><h1><b>" + name + "</b></h1></center><br>", "<center>" + description + "</center><p>"});
}

PageResult MakeItems(const Site& s, RecordingProgress& p, RecordingMessenger& m) {
    return MakeItemPages(s.path(), p, m);
}

}  // namespace

TEST(ItemPages, PageWithoutBidsOrTemplates) {
    Site s;
    s.add(Category("Books"));
    s.add(Item("abcdefgh.htm", "Books", "Old map"));
    RecordingProgress p;
    RecordingMessenger m;
    EXPECT_EQ(MakeItems(s, p, m), PageResult::Finished);
    Expected e;
    e.heading = Plain("Old map");
    e.id = "abcdefgh.htm";
    EXPECT_EQ(s.page("abcdefgh.htm"), Page(e));
    EXPECT_EQ(p.statuses, (std::vector<std::string>{"Making HTML for Individual Bid Items", "Finished"}));
    EXPECT_TRUE(m.texts.empty());
    EXPECT_EQ(p.percents.front(), 0);
    EXPECT_EQ(p.percents.back(), 100);
    // The first bidder lookup leaves an empty user file behind.
    EXPECT_TRUE(s.dir.exists("reguser.dat"));
}

TEST(ItemPages, PictureBidsAliasesAndTemplates) {
    Site s;
    // Header lines end at CR LF, LF and CR; the last one has no line end.
    s.dir.write("head.htm", "<HTML>\r\n<BODY bgcolor=white>\n<H6>top</H6>\rlast");
    s.add(Category("  books ", "head.htm", "nofooter.htm"));
    s.add(User("Ann", "ann@example.com"));
    s.add(User("Bob", "bob@example.com"));
    s.add(User("Second Ann", "ANN@example.com"));
    AuctionRecord a = Item(" picture.htm", "BOOKS", "Atlas");
    a.Validated = "y";
    a.ImageURL = " http://x/a.jpg ";
    a.Description = "  Big  atlas ";
    a.MinBid = " 10 ";
    a.HighPrice = "25.5";
    a.HighBidder = " ann@EXAMPLE.com";
    a.HighDate = "12-05-1998";
    a.HighTime = "09";
    a.LastPrice = "20";
    a.LastBidder = "bob@example.com";
    a.LastDate = "02/29/2000";
    a.LastTime = "23";
    a.EndHour = "00";
    s.add(a);
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeItems(s, p, m), PageResult::Finished);
    Expected e;
    e.opening = "<HTML>\r\n<BODY bgcolor=white>\r\n<H6>top</H6>\r\nlast\r\n";
    e.heading = Crlf({"<CENTER><TABLE border=0><TR><TD>", "<img src =\"http://x/a.jpg\"></a>", "</TD><TD>",
                      "<center><h1><b>Atlas</b></h1></center><br>", "</TR></TD></TABLE></CENTER>",
                      "<center>Big  atlas</center><p>"});
    e.current = {"25.5", "Ann", "Sat, Dec 05, 1998", "09 AM"};
    e.previous = {"20", "Bob", "Tue, Feb 29, 2000", "11 PM"};
    e.ends = "Monday, January 05, 1998 at 00 AM";
    e.id = "picture.htm";
    e.suggested = "26.5";
    EXPECT_EQ(s.page("picture.htm"), Page(e));
}

// Bidders who are no longer users blank their box; the suggestion then
// starts from the minimum bid. Address keys are cut to the field's 25 characters.
TEST(ItemPages, SuggestedBidAndUnknownBidders) {
    struct Case {
        std::string high, bidder, min, suggested;
        bool shown;
    };
    for (const Case& c :
         {Case{"30", "ann@example.com", "50", "51", true}, Case{"60", "ann@example.com", "50", "61", true},
          Case{"60", "gone@example.com", "50", "51", false},
          Case{"12", "averyveryverylongaddress@example.com", "abc", "13", true},
          Case{"1234567890", "ann@example.com", "1", "1234567891", true}}) {
        Site s;
        s.add(Category("Books"));
        s.add(User("Ann", "ann@example.com"));
        s.add(User("Long", "averyveryverylongaddress@example.com"));
        AuctionRecord a = Item("abcdefgh.htm", "Books", "Map");
        a.HighPrice = c.high;
        a.HighBidder = c.bidder;
        a.HighDate = "12-05-1998";
        a.HighTime = "14";
        a.MinBid = c.min;
        s.add(a);
        RecordingProgress p;
        RecordingMessenger m;
        ASSERT_EQ(MakeItems(s, p, m), PageResult::Finished);
        Expected e;
        e.heading = Plain("Map");
        e.id = "abcdefgh.htm";
        e.minBid = c.min;
        e.suggested = c.suggested;
        if (c.shown)
            e.current = {c.high, c.bidder[0] == 'a' && c.bidder[1] == 'n' ? "Ann" : "Long", "Sat, Dec 05, 1998",
                         "2 PM"};
        EXPECT_EQ(s.page("abcdefgh.htm"), Page(e)) << c.high << " " << c.bidder;
    }
}

TEST(ItemPages, EmptyBidderMatchesUserWithBlankAddress) {
    Site s;
    s.add(Category("Books"));
    s.add(User("Nobody", ""));
    AuctionRecord a = Item("abcdefgh.htm", "Books", "Map");
    a.HighPrice = "5";
    s.add(a);
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeItems(s, p, m), PageResult::Finished);
    Expected e;
    e.heading = Plain("Map");
    e.id = "abcdefgh.htm";
    e.current = {"5", "Nobody", "", " AM"};
    e.previous = {"", "Nobody", "", " AM"};
    EXPECT_EQ(s.page("abcdefgh.htm"), Page(e));
}

// Visitors' values cannot become markup on the site; the operator's own
// templates and address pass unchanged.
TEST(ItemPages, VisitorValuesAreEscaped) {
    Site s;
    ConfigRecord c = DefaultConfigRecord();
    c.EmailAddress = "bids&<b>@example.com";
    s.config(c);
    s.add(Category("Books"));
    s.add(User("<i>Eve\"", "eve@example.com"));
    AuctionRecord a = Item("abcdefgh.htm", "Books", "<script>x</script>");
    a.Description = "Tom & \"Jerry\" <b>";
    a.ImageURL = "x\" onerror=\"alert(1)";
    a.MinBid = "<1>";
    a.HighPrice = "2&";
    a.HighBidder = "eve@example.com";
    a.HighDate = "<today>";
    a.HighTime = "<9";
    a.EndMonth = "<1";
    s.add(a);
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeItems(s, p, m), PageResult::Finished);
    Expected e;
    e.site = "bids&<b>@example.com";
    e.heading = Crlf({"<CENTER><TABLE border=0><TR><TD>", "<img src =\"x&quot; onerror=&quot;alert(1)\"></a>",
                      "</TD><TD>", "<center><h1><b>&lt;script&gt;x&lt;/script&gt;</b></h1></center><br>",
                      "</TR></TD></TABLE></CENTER>", "<center>Tom &amp; &quot;Jerry&quot; &lt;b&gt;</center><p>"});
    e.current = {"2&amp;", "&lt;i&gt;Eve&quot;", "&lt;today&gt;", "&lt;9 AM"};
    e.ends = "&lt;1/05/1998 at 2 PM";
    e.minBid = "&lt;1&gt;";
    e.id = "abcdefgh.htm";
    e.suggested = "3";
    EXPECT_EQ(s.page("abcdefgh.htm"), Page(e));
}

TEST(ItemPages, WhichItemsGetPages) {
    Site s;
    s.add(Category("Books"));
    s.add(Category("Toys"));
    AuctionRecord notValidated = Item("nnnnnnnn.htm", "Books", "N");
    notValidated.Validated = "N";
    AuctionRecord blankFlag = Item("bbbbbbbb.htm", "Books", "B");
    blankFlag.Validated = " ";
    s.add(notValidated);
    s.add(blankFlag);
    s.add(Item("cccccccc.htm", "Cars", "no such category"));
    s.add(Item("../evil.htm", "Books", "unsafe"));
    s.add(Item("   ", "Books", "blank name"));
    s.add(Item("tttttttt.htm", " toys", "ok"));
    s.dir.write("HTML/nnnnnnnn.htm", "old page");
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeItems(s, p, m), PageResult::Finished);
    EXPECT_EQ(s.page("nnnnnnnn.htm"), "old page");
    EXPECT_FALSE(s.hasPage("bbbbbbbb.htm"));
    EXPECT_FALSE(s.hasPage("cccccccc.htm"));
    EXPECT_FALSE(s.dir.exists("evil.htm"));
    EXPECT_TRUE(s.hasPage("tttttttt.htm"));
    auto html = std::filesystem::directory_iterator(s.path() / "HTML");
    EXPECT_EQ(std::distance(html, std::filesystem::directory_iterator()), 2);
}

// Two categories of the same name: the page carries the later one's templates.
// Two items sharing a page name: the page is the one written last.
TEST(ItemPages, RepeatedCategoriesAndPageNames) {
    Site s;
    s.dir.write("h1.htm", "first\r\n");
    s.dir.write("h2.htm", "second\r\n");
    s.add(Category("Books", "h1.htm"));
    s.add(Category("Toys", "h1.htm"));
    s.add(Category("BOOKS", "h2.htm"));
    s.add(Item("samename.htm", "Books", "in books"));
    s.add(Item("samename.htm", "Toys", "in toys"));
    s.add(Item("twocats1.htm", "Books", "twice"));
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeItems(s, p, m), PageResult::Finished);
    Expected e;
    e.opening = "second\r\n";
    e.id = "twocats1.htm";
    e.heading = Plain("twice");
    EXPECT_EQ(s.page("twocats1.htm"), Page(e));
    // In category order the Books item (third category) is written after the Toys item.
    e.id = "samename.htm";
    e.heading = Plain("in books");
    EXPECT_EQ(s.page("samename.htm"), Page(e));
}

TEST(ItemPages, NothingToDo) {
    struct Case {
        bool categories, auctions;
        std::string message;
    };
    for (const Case& c : {Case{false, true,
                               "No Category Listings Found!  Enter some categories at the SYSTEM - CATEGORY "
                               "MAINTENANCE Menu"},
                          Case{true, false, "No Auctions Found!"}}) {
        Site s;
        if (c.categories) s.add(Category("Books"));
        if (c.auctions) s.add(Item("abcdefgh.htm", "Books", "x"));
        if (!c.auctions) s.dir.write("auctions.dat", "x");  // shorter than 2 bytes
        RecordingProgress p;
        RecordingMessenger m;
        EXPECT_EQ(MakeItems(s, p, m), PageResult::Message);
        EXPECT_EQ(m.texts, std::vector<std::string>{c.message});
        EXPECT_TRUE(p.statuses.empty());
        EXPECT_FALSE(s.hasPage("abcdefgh.htm"));
    }
}

TEST(ItemPages, UnwritablePageEndsWithMessageNamingIt) {
    Site s;
    s.add(Category("Books"));
    s.add(Item("aaaaaaaa.htm", "Books", "first"));
    s.add(Item("bbbbbbbb.htm", "Books", "second"));
    // A directory in the place of the second page cannot be replaced.
    std::filesystem::create_directories(s.path() / "HTML/bbbbbbbb.htm/x");
    RecordingProgress p;
    RecordingMessenger m;
    EXPECT_EQ(MakeItems(s, p, m), PageResult::Failed);
    ASSERT_EQ(m.texts.size(), 1u);
    EXPECT_NE(m.texts[0].find((s.path() / "HTML/bbbbbbbb.htm").string()), std::string::npos) << m.texts[0];
    EXPECT_TRUE(s.hasPage("aaaaaaaa.htm"));
    EXPECT_NE(p.statuses.back(), "Finished");
}

TEST(ItemPages, ReadOnlyPageDirectory) {
    Site s;
    s.add(Category("Books"));
    s.add(Item("aaaaaaaa.htm", "Books", "first"));
    OpenForNobody(s.path());
    std::filesystem::permissions(s.path(), std::filesystem::perms::all);
    std::filesystem::permissions(s.path() / "HTML", std::filesystem::perms::owner_all |
                                                        std::filesystem::perms::others_read |
                                                        std::filesystem::perms::others_exec);
    int r = RunAsNobody([&] {
        RecordingProgress p;
        RecordingMessenger m;
        if (MakeItemPages(s.path(), p, m) != PageResult::Failed) return 1;
        if (m.texts.size() != 1) return 2;
        return m.texts[0].find((s.path() / "HTML/aaaaaaaa.htm").string()) == std::string::npos ? 3 : 0;
    });
    EXPECT_EQ(r, 0);
}

TEST(ItemPages, UnreadableTemplateEndsWithMessageNamingIt) {
    Site s;
    std::filesystem::create_directory(s.path() / "head.htm");
    s.add(Category("Books", "head.htm"));
    s.add(Item("aaaaaaaa.htm", "Books", "first"));
    RecordingProgress p;
    RecordingMessenger m;
    EXPECT_EQ(MakeItems(s, p, m), PageResult::Failed);
    ASSERT_EQ(m.texts.size(), 1u);
    EXPECT_NE(m.texts[0].find((s.path() / "head.htm").string()), std::string::npos) << m.texts[0];
}

// A disk that fills up half-way through a page: the message names the page
// and no cut-off page is left for the upload.
TEST(ItemPages, FullDiskLeavesNoCutOffPage) {
    Site s;
    s.add(Category("Books"));
    s.add(Item("aaaaaaaa.htm", "Books", "first"));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    RecordingProgress p;
    RecordingMessenger m;
    PageResult r = MakeItems(s, p, m);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(r, PageResult::Failed);
    ASSERT_EQ(m.texts.size(), 1u);
    EXPECT_NE(m.texts[0].find((s.path() / "HTML/aaaaaaaa.htm").string()), std::string::npos) << m.texts[0];
    EXPECT_FALSE(s.hasPage("aaaaaaaa.htm"));
}
