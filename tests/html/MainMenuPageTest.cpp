#include <gtest/gtest.h>

#include "HtmlFixture.h"
#include "html/PageGenerators.h"

using namespace gavlin;
using namespace gavlin::test;

namespace {

const std::string kTableHead =
    "<center><table border=1><TR><TD><center><b>CATEGORY</b></center></TD><TD><center><b>NUMBER OF "
    "AUCTIONS</b></center></TD><TD><center><b>SPONSOR</b></center></TD></TR>";
const std::string kEnd =
    Crlf({"</TR></TD></TABLE></CENTER>",
          "<br><center><li><a href=\"register.htm\">Register</a> to be able to Bid on Auctions and/or Offer Items for "
          "Auction</li></center>",
          "<br><center><li><a href=\"inform.htm\">Sell an Item</a>: Offer an item up for Auction</li></center>"});
const std::string kNonCommercial = "<!-- This Page Created by Orvantixs Gavlin 1.0 Running in NONCOMMERCIAL Mode -->";
const std::string kCommercial = "<!-- This Page Created by Orvantixs Gavlin 1.0 Running in COMMERCIAL Mode -->";

}  // namespace

TEST(MainMenuPage, CountsAndSponsors) {
    Site s;
    s.add(Category(" Books ", "", "", ""));
    s.add(Category("Toys", "", "", " abc "));
    s.add(Category("Cars", "", "", "ab"));
    s.add(Item("a", "books", "1"));
    s.add(Item("b", " BOOKS", "2"));
    AuctionRecord n = Item("c", "Books", "3");
    n.Validated = "N";
    s.add(n);
    s.add(Item("d", "Toys", "4"));
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeMainMenuPage(s.path(), p, m), PageResult::Finished);
    EXPECT_EQ(p.statuses, (std::vector<std::string>{"Making HTML for Main Menu", "Finished"}));
    EXPECT_EQ(s.page("gavlin.htm"),
              Crlf({"<HTML><BODY>", "<center><h2><b>MAIN MENU</b></h2></center><br>", kNonCommercial, kTableHead,
                    "<TR><TD><a href=\"cat1.htm\">Books</a></TD>", "<TD><center>2</center></TD>", "<TD></TD>",
                    "<TR><TD><a href=\"cat2.htm\">Toys</a></TD>", "<TD><center>1</center></TD>", "<TD>abc</TD>",
                    "<TR><TD><a href=\"cat3.htm\">Cars</a></TD>", "<TD><center>0</center></TD>", "<TD></TD>"}) +
                  kEnd + Crlf({"</BODY></HTML>"}));
}

TEST(MainMenuPage, TemplatesModesAndNoCategories) {
    for (const char* mode : {"N", "Y", "n", " "}) {
        Site s;
        ConfigRecord c = DefaultConfigRecord();
        c.CommercialMode = mode;
        c.MainMenuHeader = "  ";  // means "foobar"
        c.MainMenuFooter = "mainfoot.htm";
        s.config(c);
        s.dir.write("foobar", "<HTML><BODY>\n<h1>Site</h1>");
        s.dir.write("mainfoot.htm", "</BODY>\r\n</HTML>\r\n");
        RecordingProgress p;
        RecordingMessenger m;
        ASSERT_EQ(MakeMainMenuPage(s.path(), p, m), PageResult::Finished);
        EXPECT_EQ(s.page("gavlin.htm"), Crlf({"<HTML><BODY>", "<h1>Site</h1>",
                                              std::string(mode) == "N" ? kNonCommercial : kCommercial, kTableHead}) +
                                            kEnd + Crlf({"</BODY>", "</HTML>"}))
            << mode;
        // Reading the categories leaves an empty category file; auctions.dat is not made.
        EXPECT_TRUE(s.dir.exists("category.dat"));
        EXPECT_EQ(s.dir.read("category.dat"), "");
        EXPECT_FALSE(s.dir.exists("auctions.dat"));
        EXPECT_TRUE(m.texts.empty());
    }
}
