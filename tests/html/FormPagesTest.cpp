#include <gtest/gtest.h>

#include "HtmlFixture.h"
#include "html/PageGenerators.h"

using namespace gavlin;
using namespace gavlin::test;

namespace {

const std::string kNonCommercial = "<!-- This Page Created by Orvantixs Gavlin 1.0 Running in NONCOMMERCIAL Mode -->";
const std::string kCommercial = "<!-- This Page Created by Orvantixs Gavlin 1.0 Running in COMMERCIAL Mode -->";

std::string RegistrationForm(const std::string& site) {
    return Crlf({
        "<FORM name=\"mailto\"method=\"post\" action=\"mailto:" + site + "\">",
        "<INPUT type=hidden name=\"GAVLIN\"value=\"REGISTER\">",
        "<center>",
        "<TABLE BORDER=8>",
        "<TR><TD>",
        "<center>",
        "<b>To be able to Offer Items for Auction or Bid on Auction Items you must first register",
        "by filling out completely and accurately the form below.</b></center>",
        "</TD></TR>",
        "<TR>",
        "<TD>",
        "<br><center><b><i>Online Information</i></center><br>",
        "<b>Alias to Use (Shows as the Buyer/Seller):</b> <INPUT type=\"text\" size=30 name=\"ALIAS\">",
        "<br>",
        "<b>Your Email Address:</b> <INPUT type=\"text\" size=25 name=\"EMAIL\">",
        "<br>",
        "<b>Password you wish to Use:</b> <INPUT type=\"text\" size=10 name=\"PASSWORD\"><br><br>",
        "</TD></TR>",
        "<TR>",
        "<TD>",
        "<br><center><b><i>Contact Information</i><b></center><br>",
        "<b>Your Real Name:</b> <INPUT type=\"text\" size=30 name=\"REALNAME\">",
        "<br>",
        "<b>Your Mailing Address:</b> <INPUT type=\"text\" size=45 name=\"ADDRESS\">",
        "<br>",
        "<b>Your City:</b> <INPUT type=\"text\" size=25 name=\"CITY\">",
        "<br>",
        "<b>Your State:</b> <INPUT type=\"text\" size=10 name=\"STATE\">",
        "<br>",
        "<b>Your Zip Code:</b> <INPUT type=\"text\" size=20 name=\"ZIP\">",
        "<br>",
        "<b>Your Country:</b> <INPUT type=\"text\" size=30 name=\"COUNTRY\">",
        "<br>",
        "<b>Your Phone:</b> <INPUT type=\"text\" size=20 name=\"PHONE\"><br><br>",
        "</TD></TR></table>",
        "<BR>",
        "<center><INPUT type=submit value=\"Send Registration Information\"></center>",
        "</FORM>",
        "</center>",
    });
}

std::string List(int first, int last) {
    std::string s;
    for (int n = first; n <= last; ++n) {
        std::string two = (n < 10 ? "0" : "") + std::to_string(n);
        s += (n == first ? " <OPTION SELECTED>" : "        <OPTION>") + two + "\r\n";
    }
    return s;
}

std::string NewItemForm(const std::string& site, const std::string& options) {
    return Crlf({
               "<FORM name=\"mailto\"method=\"post\" action=\"mailto:" + site + "\">",
               "<INPUT type=hidden name=\"GAVLIN\"value=\"NEWAUCTION\">",
               "<center>",
               "<TABLE BORDER=8>",
               "<TR><TD colspan=2>",
               "<center>",
               "<b>Please fill out the form below completely to offer an item for auction.",
               "You must first <a href=\"register.htm\">Register</a> before you can Submit",
               "an item for Auction or Bid on an Auction Item.</b></center>",
               "</TD></TR>",
               "<TR>",
               "<TD>",
               "<b><i>Online Information</i></center>",
               "</TD><TD>",
               "<b>Your Email Address:</b> <INPUT type=\"text\"size=25 name=\"EMAIL\">",
               "<br>",
               "<b>Your Password:</b> <INPUT type=\"text\"size=25 name=\"PASSWORD\">",
               "</TD></TR>",
               "<TR>",
               "<TD>",
               "<br><center><b><i>Auction Item Description</i><b></center><br>",
               "</TD><TD>",
               "<b>Please Select Auction Category:<b>",
               " <SELECT NAME=\"CATEGORY\">",
           }) +
           options +
           Crlf({
               "    </SELECT>",
               "<br>",
               "<b>Short Name for Auction Item:</b> <INPUT type=\"text\"size=25 name=\"ITEMNAME\">",
               "<br>",
               "<b>URL for Item Picture (if any):</b> <INPUT type=\"text\"size=25 name=\"IMAGEURL\">",
               "<br>",
               "<b>Description of Auction Item:</b> <TEXTAREA name=\"DESCRIPTION\"rows=10 cols=40 "
               "WRAP=VIRTUAL></TEXTAREA>",
               "</TD></TR>",
               "<TR>",
               "<TD>",
               "<br><center><b><i>Auction Information</i><b></center><br>",
               "</TD><TD>",
               "<b>Starting Bid:</b> <INPUT type=\"text\"size=10 name=\"MINBID\">",
               "<br>",
               "<b>Select End Month for Auction:</b>",
               " <SELECT NAME=\"ENDMONTH\">",
           }) +
           List(1, 12) +
           Crlf({" </SELECT>", "<br>", "<b>Select End Day for Auction:</b>", " <SELECT NAME=\"ENDDAY\">"}) +
           List(1, 31) +
           Crlf({" </SELECT>", "<br>",
                 "<b>Enter 4 DIGIT YEAR for Auction End:</b> <INPUT type=\"text\"size=4 name=\"ENDYEAR\">", "<br>",
                 "<b>Select Ending Time for Auction:</b>", " <SELECT NAME=\"ENDTIME\">"}) +
           List(0, 23) +
           Crlf({" </SELECT>", "</TD></TR></table>", "<BR>",
                 "<center><INPUT type=submit value=\"Send Auction Information\"></center>", "</FORM>", "</center>"});
}

}  // namespace

TEST(RegistrationPage, DefaultConfiguration) {
    Site s;  // header "reghead.htm" named but absent
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeRegistrationPage(s.path(), p, m), PageResult::Finished);
    EXPECT_EQ(p.statuses, (std::vector<std::string>{"Making HTML for User Registration", "Finished"}));
    EXPECT_EQ(p.percents, (std::vector<int>{0, 10, 20, 50, 75, 100}));
    EXPECT_EQ(s.page("register.htm"),
              Crlf({"<HTML>", kNonCommercial}) + RegistrationForm("auctions@example.com") + Crlf({"</HTML>"}));
}

TEST(RegistrationPage, TemplatesAndTrimmedAddress) {
    Site s;
    ConfigRecord c = DefaultConfigRecord();
    c.CommercialMode = "Y";
    c.EmailAddress = " site@example.com    ";
    c.RegistrationHeader = "";                                   // means "foobar"
    c.RegistrationFooter = (s.path() / "regfoot.htm").string();  // absolute names work too
    s.config(c);
    s.dir.write("foobar", "<HTML>\r\n<BODY>");
    s.dir.write("regfoot.htm", "</BODY>\n</HTML>\n");
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeRegistrationPage(s.path(), p, m), PageResult::Finished);
    EXPECT_EQ(s.page("register.htm"), Crlf({"<HTML>", "<BODY>", kCommercial}) + RegistrationForm("site@example.com") +
                                          Crlf({"</BODY>", "</HTML>"}));
}

TEST(NewItemFormPage, CategoriesAndFixedLists) {
    Site s;
    s.add(Category(" Antiques"));
    s.add(Category(" Books  "));
    s.dir.write("itemfoot.htm", "<p>bye</p>\r\n</HTML>");
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeNewItemFormPage(s.path(), p, m), PageResult::Finished);
    EXPECT_EQ(p.statuses, (std::vector<std::string>{"Making HTML for New Auctions Input Form", "Finished"}));
    // Unlike the registration form, no step between the header and the form lines.
    EXPECT_EQ(p.percents, (std::vector<int>{0, 10, 20, 75, 100}));
    EXPECT_EQ(s.page("inform.htm"),
              Crlf({"<HTML>", kNonCommercial}) +
                  NewItemForm("auctions@example.com", Crlf({"        <OPTION> Antiques", "        <OPTION> Books"})) +
                  Crlf({"<p>bye</p>", "</HTML>"}));
}

TEST(NewItemFormPage, WithoutCategoryFile) {
    Site s;
    RecordingProgress p;
    RecordingMessenger m;
    ASSERT_EQ(MakeNewItemFormPage(s.path(), p, m), PageResult::Finished);
    EXPECT_EQ(s.page("inform.htm"),
              Crlf({"<HTML>", kNonCommercial}) + NewItemForm("auctions@example.com", "") + Crlf({"</HTML>"}));
    EXPECT_FALSE(s.dir.exists("category.dat"));
}
