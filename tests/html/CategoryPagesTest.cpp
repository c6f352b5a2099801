#include <gtest/gtest.h>

#include "HtmlFixture.h"
#include "html/PageGenerators.h"

using namespace gavlin;
using namespace gavlin::test;

namespace {

const std::string kHead = Crlf({"<center><h3><b>ONGOING AUCTIONS</b></h3></center><P>",
                                "<center><table border=3><TR><TD><center><b>ITEM NAME</b></center></TD><TD><center>"
                                "<b>CURRENT BID</b></center></TD><TD><center><b>AUCTION ENDS</b></center></TD></TR>"});
const std::string kTableEnd =
    Crlf({"</table></center>", "<br>", "<center><a href=\"gavlin.htm\">Return to Main Menu</a></center>"});
const std::string kNone = Crlf({"<center><b>NO AUCTIONS CURRENTLY ONGOING IN THIS CATEGORY</b></center>"});

std::string Row(const std::string& file, const std::string& name, const std::string& bid, const std::string& ends) {
    return Crlf({"<TR><TD><a href=\"" + file + "\">" + name + "</a></TD>", "<TD>" + bid + "</TD>",
                 "<TD>" + ends + "</TD></TR>"});
}

std::string Title(const std::string& name) {
    return Crlf({"<HTML><BODY>", "<center><h2><b>" + name + "</b></h2></center><br>"});
}

}  // namespace

TEST(CategoryPages, PagesByRecordPosition) {
    Site s;
    s.dir.write("foot.htm", "<p>foot\n</BODY></HTML>");
    s.add(Category(" Books ", "", "foot.htm", "  <a href=x>Sponsor</a> "));
    s.add(Category("Toys", "", "", "ab"));
    s.add(Category("Cars", "", "", "abc"));
    AuctionRecord a = Item("aaaaaaaa.htm", "books", "<Atlas>");
    a.HighPrice = "35";
    AuctionRecord b = Item("bbbbbbbb.htm", " BOOKS ", "Bible");
    b.Validated = "y";
    b.HighPrice = "0";
    b.MinBid = " 7 ";
    b.EndHour = "09";
    b.EndMonth = "02";
    b.EndDay = "30";
    AuctionRecord hidden = Item("cccccccc.htm", "Books", "hidden");
    hidden.Validated = "n";
    AuctionRecord toy = Item("../x.htm", "Toys", "Ball");
    toy.HighPrice = "abc";
    s.add(a);
    s.add(hidden);
    s.add(b);
    s.add(toy);
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeCategoryPages(s.path(), p, m), PageResult::Finished);
    EXPECT_EQ(p.statuses, (std::vector<std::string>{"Making HTML for Individual Categories", "Finished"}));
    EXPECT_EQ(s.page("cat1.htm"), Title("Books") + kHead +
                                      Row("aaaaaaaa.htm", "&lt;Atlas&gt;", "35", "Monday, January 05, 1998 at 2 PM") +
                                      Row("bbbbbbbb.htm", "Bible", "7", "02/30/1998 at 09 AM") + kTableEnd +
                                      Crlf({"<BR>", "<a href=x>Sponsor</a>", "<BR>", "<p>foot", "</BODY></HTML>"}));
    EXPECT_EQ(s.page("cat2.htm"), Title("Toys") + kHead +
                                      Row("../x.htm", "Ball", "10", "Monday, January 05, 1998 at 2 PM") + kTableEnd +
                                      Crlf({"</BODY></HTML>"}));
    EXPECT_EQ(s.page("cat3.htm"),
              Title("Cars") + kHead + kTableEnd + kNone + Crlf({"<BR>", "abc", "<BR>", "</BODY></HTML>"}));
}

TEST(CategoryPages, HeaderTemplateAndNoAuctionFile) {
    Site s;
    s.dir.write("head.htm", "<HTML><BODY>\r<h1>My books</h1>\r\n");
    s.add(Category("Books", "head.htm"));
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeCategoryPages(s.path(), p, m), PageResult::Finished);
    // Without auctions.dat the table stays open and the return link is missing.
    EXPECT_EQ(s.page("cat1.htm"),
              Crlf({"<HTML><BODY>", "<h1>My books</h1>"}) + kHead + kNone + Crlf({"</BODY></HTML>"}));
    EXPECT_FALSE(s.dir.exists("auctions.dat"));
}

TEST(CategoryPages, NoCategories) {
    Site s;
    RecordingProgress p;
    RecordingMessenger m;
    EXPECT_EQ(MakeCategoryPages(s.path(), p, m), PageResult::Message);
    EXPECT_EQ(m.texts, std::vector<std::string>{"No Category Listings Found!  Enter some categories at the SYSTEM - "
                                                "CATEGORY MAINTENANCE Menu"});
    EXPECT_TRUE(p.statuses.empty());
}
