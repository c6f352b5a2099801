// The registration form and the new-item form: mailto: forms whose field
// names the incoming mail processing reads.
#include <cstdio>

#include "html/PageCommon.h"
#include "html/PageWriter.h"
#include "store/AppDir.h"
#include "store/RecordFile.h"
#include "store/Text.h"

namespace gavlin {

namespace {

std::string TwoDigits(int n) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

void FixedList(PageBuilder& p, int first, int last) {
    p.line(" <OPTION SELECTED>" + TwoDigits(first));
    for (int n = first + 1; n <= last; ++n) p.line("        <OPTION>" + TwoDigits(n));
}

// Header, mode comment, the body lines, footer; written to HTML/<name>.
// bodyPercent: the bar's step before the body, or 0 for a form without one.
PageResult WriteFormPage(const std::filesystem::path& dir, ProgressSink& progress, const char* caption,
                         const char* pageName, std::string ConfigRecord::*headerName,
                         std::string ConfigRecord::*footerName,
                         void (*body)(PageBuilder&, const std::filesystem::path&, const ConfigRecord&),
                         int bodyPercent) {
    progress.setStatus(caption);
    progress.setPercent(0);
    ConfigRecord config = ReadConfig(dir);
    progress.setPercent(10);
    TemplateCache templates(dir);
    const PageTemplate& header = templates.get(config.*headerName);
    progress.setPercent(20);
    PageBuilder p;
    if (header.exists)
        p.raw(header.lines);
    else
        p.line("<HTML>");
    p.line(ModeComment(config));
    if (bodyPercent > 0) progress.setPercent(bodyPercent);
    body(p, dir, config);
    progress.setPercent(75);
    const PageTemplate& footer = templates.get(config.*footerName);
    if (footer.exists)
        p.raw(footer.lines);
    else
        p.line("</HTML>");
    WritePage(HtmlDirectory(dir) / pageName, p.text());
    progress.setPercent(100);
    progress.setStatus("Finished");
    return PageResult::Finished;
}

void RegistrationForm(PageBuilder& p, const std::filesystem::path&, const ConfigRecord& config) {
    p.line("<FORM name=\"mailto\"method=\"post\" action=\"mailto:" + Trim(config.EmailAddress) + "\">");
    p.line("<INPUT type=hidden name=\"GAVLIN\"value=\"REGISTER\">");
    for (const char* l : {
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
         })
        p.line(l);
}

void NewItemForm(PageBuilder& p, const std::filesystem::path& dir, const ConfigRecord& config) {
    p.line("<FORM name=\"mailto\"method=\"post\" action=\"mailto:" + Trim(config.EmailAddress) + "\">");
    p.line("<INPUT type=hidden name=\"GAVLIN\"value=\"NEWAUCTION\">");
    for (const char* l : {
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
         })
        p.line(l);
    ForEachRecord<CategoryRecord>(RecordPath<CategoryRecord>(dir), [&](RecordNo, const CategoryRecord& c) {
        p.line("        <OPTION> " + Trim(c.CatName));
        return true;
    });
    for (const char* l : {
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
         })
        p.line(l);
    FixedList(p, 1, 12);
    p.line(" </SELECT>");
    p.line("<br>");
    p.line("<b>Select End Day for Auction:</b>");
    p.line(" <SELECT NAME=\"ENDDAY\">");
    FixedList(p, 1, 31);
    p.line(" </SELECT>");
    p.line("<br>");
    p.line("<b>Enter 4 DIGIT YEAR for Auction End:</b> <INPUT type=\"text\"size=4 name=\"ENDYEAR\">");
    p.line("<br>");
    p.line("<b>Select Ending Time for Auction:</b>");
    p.line(" <SELECT NAME=\"ENDTIME\">");
    FixedList(p, 0, 23);
    for (const char* l : {
             " </SELECT>",
             "</TD></TR></table>",
             "<BR>",
             "<center><INPUT type=submit value=\"Send Auction Information\"></center>",
             "</FORM>",
             "</center>",
         })
        p.line(l);
}

}  // namespace

PageResult MakeRegistrationPage(const std::filesystem::path& dir, ProgressSink& progress, Messenger& messenger) {
    return ReportFailures(messenger, [&] {
        return WriteFormPage(dir, progress, "Making HTML for User Registration", "register.htm",
                             &ConfigRecord::RegistrationHeader, &ConfigRecord::RegistrationFooter, RegistrationForm,
                             50);
    });
}

PageResult MakeNewItemFormPage(const std::filesystem::path& dir, ProgressSink& progress, Messenger& messenger) {
    return ReportFailures(messenger, [&] {
        return WriteFormPage(dir, progress, "Making HTML for New Auctions Input Form", "inform.htm",
                             &ConfigRecord::ItemsHeader, &ConfigRecord::ItemsFooter, NewItemForm, 0);
    });
}

}  // namespace gavlin
