#include <algorithm>
#include <unordered_map>
#include <vector>

#include "html/PageCommon.h"
#include "html/PageText.h"
#include "html/PageWriter.h"
#include "store/AppDir.h"
#include "store/RecordFile.h"
#include "store/Text.h"
#include "store/UserIndex.h"

namespace gavlin {

namespace {

struct CategoryTemplates {
    std::string header, footer;
};

struct ItemToWrite {
    std::size_t category;  // the last category record the item matches
    RecordNo record;
    std::string pageName;
    AuctionRecord item;
};

// One bid box: the bid, its bidder's alias, date and hour. A bidder who is no
// longer a user shows an empty box.
void WriteBidBox(PageBuilder& p, const UserIndex& users, const char* title, const std::string& price,
                 const std::string& bidder, const std::string& date, const std::string& hour, std::string* shownPrice) {
    const UserRecord* user = users.byEmail(bidder);
    std::string alias = user ? Trim(user->Alias) : std::string();
    std::string bid = Trim(price), bidDate = date, bidHour = hour;
    if (alias.empty()) bid.clear(), bidDate.clear(), bidHour.clear();
    if (shownPrice) *shownPrice = bid;
    p.line("<table border=1 width=200>");
    p.line("<TR><TD>");
    p.line(std::string("<center><i><b>") + title + "</b></i></center>");
    p.line("<p>");
    p.line("<font size=-1>High Bid: " + HtmlEscape(bid));
    p.line("<br>");
    p.line("High Bidder: " + HtmlEscape(alias));
    p.line("<br>");
    p.line("High Bid Date: " + HtmlEscape(FormatDate(bidDate, DatePattern::Short)));
    p.line("<br>");
    p.line("High Bid time: " + HtmlEscape(HourText(bidHour)) + "<font size=-1>");
    p.line("</TD></TR></TABLE>");
}

std::string ItemPage(const ItemToWrite& w, const PageTemplate& header, const PageTemplate& footer,
                     const UserIndex& users, const std::string& siteAddress) {
    const AuctionRecord& a = w.item;
    PageBuilder p;
    if (header.exists)
        p.raw(header.lines);
    else
        p.line("<HTML><BODY>");

    std::string name = HtmlEscape(Trim(a.ItemName));
    std::string picture = Trim(a.ImageURL);
    std::string description = HtmlEscape(Trim(a.Description));
    if (picture.size() > 4) {
        p.line("<CENTER><TABLE border=0><TR><TD>");
        p.line("<img src =\"" + HtmlEscape(picture) + "\"></a>");
        p.line("</TD><TD>");
        p.line("<center><h1><b>" + name + "</b></h1></center><br>");
        p.line("</TR></TD></TABLE></CENTER>");
    } else {
        p.line("<center><h1><b>" + name + "</b></h1></center><br>");
    }
    p.line("<center>" + description + "</center><p>");

    p.line("<table border=0 width=600>");
    p.line("<TR><TD valign=top>");
    std::string topBid;
    WriteBidBox(p, users, "Current High Bid Information", a.HighPrice, a.HighBidder, a.HighDate, a.HighTime, &topBid);
    p.line("<br>");
    WriteBidBox(p, users, "Previous High Bid Information", a.LastPrice, a.LastBidder, a.LastDate, a.LastTime, nullptr);
    p.line("<br>");
    p.line("<table border=0 width=200>");
    p.line("<TR><TD><center>");
    p.line("<FORM>");
    p.line("<INPUT TYPE=\"button\" Value = \" Previous \" onClick = \" history.go(-1) \">");
    p.line("</FORM>");
    p.line("</CENTER></TD></TR></TABLE>");
    p.line("</TD><TD valign=top>");
    p.line("<table border=0 width=399><TR><TD>");
    p.line("<center><H3>MAKE A BID ON THIS ITEM</H3></center>");
    std::string ends = a.EndMonth + "/" + a.EndDay + "/" + a.EndYear;
    p.line("<center>This Auction Ends " + HtmlEscape(FormatDate(ends, DatePattern::Long)) + " at " +
           HtmlEscape(HourText(a.EndHour)) + "</center>");
    p.line("<br>");
    p.line("<center>The Minimum Bid for this Item is : " + HtmlEscape(Trim(a.MinBid)) + "</center>");
    p.line("<br>");
    p.line(
        "<font size = -1>You must first be <a href=\"register.htm\">REGISTERED</a> before you can bid on an "
        "item.  If you are");
    p.line(" registered please complete the information below and press the BID button.</font>");
    p.line("</center>");
    p.line("<P>");
    p.line("<FORM name=\"mailto \"method=\"post\" action=\"mailto:" + siteAddress + "\">");
    p.line("<INPUT type=hidden name=\"GAVLIN\"value=\"NEWBID\">");
    p.line("<INPUT type=hidden name=\"IDENTIFICATION\"value=\"" + HtmlEscape(w.pageName) + "\">");
    p.line("<b>Your Email Address:</b> <INPUT type=\"text\" size=25 name=\"EMAIL\">");
    p.line("<br>");
    p.line("<b>Your Password:</b> <INPUT type=\"text\" size=10 name=\"PASSWORD\">");
    p.line("<br>");
    double h = NumericValue(topBid), m = NumericValue(a.MinBid);
    std::string suggested = PlainNumber(h <= m ? m + 1 : h + 1);
    p.line("<b>Your Bid for this Item:</b> <INPUT type=\"text\" size=10 name=\"ITEMBID\"value=\"" + suggested +
           "\"><br><br>");
    p.line("<P>");
    p.line("<center><INPUT type=submit value=\"BID\"></center>");
    p.line("</FORM>");
    p.line("</TD></TR></table>");
    p.line("</TD></TR></TABLE>");

    if (footer.exists)
        p.raw(footer.lines);
    else
        p.line("</BODY></HTML>");
    return p.text();
}

PageResult Generate(const std::filesystem::path& dir, ProgressSink& progress, Messenger& messenger) {
    auto categoryFile = RecordPath<CategoryRecord>(dir);
    auto auctionFile = RecordPath<AuctionRecord>(dir);
    if (NearlyEmpty(categoryFile)) {
        messenger.show(kNoCategoriesMessage);
        return PageResult::Message;
    }
    if (NearlyEmpty(auctionFile)) {
        messenger.show(kNoAuctionsMessage);
        return PageResult::Message;
    }
    progress.setStatus("Making HTML for Individual Bid Items");
    progress.setPercent(0);
    ConfigRecord config = ReadConfig(dir);
    std::string siteAddress = Trim(config.EmailAddress);

    // An item matching several category records ends up with the page its
    // last one writes, so only the last one is kept.
    std::vector<CategoryTemplates> categories;
    std::unordered_map<std::string, std::size_t> lastCategory;
    ForEachRecord<CategoryRecord>(categoryFile, [&](RecordNo, const CategoryRecord& c) {
        lastCategory[CategoryKey(c.CatName)] = categories.size();
        categories.push_back({Trim(c.CatHeader), Trim(c.CatFooter)});
        return true;
    });

    // Items sharing a page name: the page keeps what the last writing of it
    // (in category order, then record order) puts there.
    std::vector<ItemToWrite> items;
    std::unordered_map<std::string, std::size_t> byPageName;
    ForEachRecordRaw(auctionFile, AuctionRecord::Length, [&](RecordNo n, std::string_view bytes) {
        AuctionRecord a = DecodeRecord<AuctionRecord>(bytes);
        if (!IsValidated(a.Validated)) return true;
        auto cat = lastCategory.find(CategoryKey(a.Category));
        if (cat == lastCategory.end()) return true;
        std::string pageName = Trim(a.FileName);
        if (!IsPlainFileName(pageName)) return true;
        a.Category.clear();
        a.Description = Trim(a.Description);
        ItemToWrite w{cat->second, n, pageName, std::move(a)};
        auto [it, fresh] = byPageName.try_emplace(pageName, items.size());
        if (fresh)
            items.push_back(std::move(w));
        else if (w.category >= items[it->second].category)
            items[it->second] = std::move(w);
        return true;
    });
    std::sort(items.begin(), items.end(), [](const ItemToWrite& x, const ItemToWrite& y) {
        return x.category != y.category ? x.category < y.category : x.record < y.record;
    });

    auto userFile = RecordPath<UserRecord>(dir);
    if (!items.empty()) TouchFile(userFile);
    UserIndex users = UserIndex::Load(userFile);
    TemplateCache templates(dir);
    auto htmlDir = HtmlDirectory(dir);
    for (const ItemToWrite& w : items) {
        const CategoryTemplates& c = categories[w.category];
        progress.setPercent(20);
        const PageTemplate& header = templates.get(c.header);
        progress.setPercent(50);
        const PageTemplate& footer = templates.get(c.footer);
        std::string page = ItemPage(w, header, footer, users, siteAddress);
        progress.setPercent(75);
        WritePage(htmlDir / w.pageName, page);
    }
    progress.setPercent(100);
    progress.setStatus("Finished");
    return PageResult::Finished;
}

}  // namespace

PageResult MakeItemPages(const std::filesystem::path& dir, ProgressSink& progress, Messenger& messenger) {
    return ReportFailures(messenger, [&] { return Generate(dir, progress, messenger); });
}

}  // namespace gavlin
