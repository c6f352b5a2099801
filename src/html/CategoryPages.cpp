#include <unordered_map>
#include <vector>

#include "html/PageCommon.h"
#include "html/PageText.h"
#include "html/PageWriter.h"
#include "store/AppDir.h"
#include "store/RecordFile.h"
#include "store/Text.h"

namespace gavlin {

namespace {

// What a category page shows of one item.
struct ListedItem {
    std::string pageName, itemName, currentBid, ends;
};

ListedItem Listed(const AuctionRecord& a) {
    ListedItem l;
    l.pageName = Trim(a.FileName);
    l.itemName = Trim(a.ItemName);
    l.currentBid = NumericValue(a.HighPrice) <= 0 ? Trim(a.MinBid) : Trim(a.HighPrice);
    l.ends = HtmlEscape(FormatDate(a.EndMonth + "/" + a.EndDay + "/" + a.EndYear, DatePattern::Long)) + " at " +
             HtmlEscape(HourText(a.EndHour));
    return l;
}

std::string CategoryPage(const CategoryRecord& c, const std::vector<ListedItem>* items, bool haveAuctions,
                         const PageTemplate& header, const PageTemplate& footer) {
    PageBuilder p;
    if (header.exists) {
        p.raw(header.lines);
    } else {
        p.line("<HTML><BODY>");
        p.line("<center><h2><b>" + Trim(c.CatName) + "</b></h2></center><br>");
    }
    p.line("<center><h3><b>ONGOING AUCTIONS</b></h3></center><P>");
    p.line(
        "<center><table border=3><TR><TD><center><b>ITEM NAME</b></center></TD><TD><center><b>CURRENT "
        "BID</b></center></TD><TD><center><b>AUCTION ENDS</b></center></TD></TR>");
    bool listed = false;
    if (haveAuctions) {
        if (items) {
            for (const ListedItem& l : *items) {
                listed = true;
                p.piece("<TR><TD><a href=\"" + HtmlEscape(l.pageName) + "\">");
                p.line(HtmlEscape(l.itemName) + "</a></TD>");
                p.line("<TD>" + HtmlEscape(l.currentBid) + "</TD>");
                p.line("<TD>" + l.ends + "</TD></TR>");
            }
        }
        p.line("</table></center>");
        p.line("<br>");
        p.line("<center><a href=\"gavlin.htm\">Return to Main Menu</a></center>");
    }
    if (!listed) p.line("<center><b>NO AUCTIONS CURRENTLY ONGOING IN THIS CATEGORY</b></center>");
    std::string sponsor = Trim(c.CatURL);
    if (sponsor.size() > 2) {
        p.line("<BR>");
        p.line(sponsor);
        p.line("<BR>");
    }
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
    progress.setStatus("Making HTML for Individual Categories");
    progress.setPercent(0);

    // Validated items by category, in record order: one read of auctions.dat
    // serves every page.
    bool haveAuctions = FileExists(auctionFile);
    std::unordered_map<std::string, std::vector<ListedItem>> itemsByCategory;
    ForEachRecordRaw(auctionFile, AuctionRecord::Length, [&](RecordNo, std::string_view bytes) {
        AuctionRecord a = DecodeRecord<AuctionRecord>(bytes);
        if (IsValidated(a.Validated)) itemsByCategory[CategoryKey(a.Category)].push_back(Listed(a));
        return true;
    });

    TemplateCache templates(dir);
    auto htmlDir = HtmlDirectory(dir);
    ForEachRecord<CategoryRecord>(categoryFile, [&](RecordNo k, const CategoryRecord& c) {
        progress.setPercent(10);
        auto path = htmlDir / ("cat" + std::to_string(k) + ".htm");
        const PageTemplate& header = templates.get(c.CatHeader);
        progress.setPercent(25);
        progress.setPercent(50);
        auto found = itemsByCategory.find(CategoryKey(c.CatName));
        const std::vector<ListedItem>* items = found == itemsByCategory.end() ? nullptr : &found->second;
        progress.setPercent(60);
        const PageTemplate& footer = templates.get(c.CatFooter);
        progress.setPercent(75);
        WritePage(path, CategoryPage(c, items, haveAuctions, header, footer));
        return true;
    });
    progress.setPercent(100);
    progress.setStatus("Finished");
    return PageResult::Finished;
}

}  // namespace

PageResult MakeCategoryPages(const std::filesystem::path& dir, ProgressSink& progress, Messenger& messenger) {
    return ReportFailures(messenger, [&] { return Generate(dir, progress, messenger); });
}

}  // namespace gavlin
