#include <unordered_map>

#include "html/PageCommon.h"
#include "html/PageWriter.h"
#include "store/AppDir.h"
#include "store/RecordFile.h"
#include "store/Text.h"

namespace gavlin {

namespace {

PageResult Generate(const std::filesystem::path& dir, ProgressSink& progress) {
    progress.setStatus("Making HTML for Main Menu");
    progress.setPercent(0);
    ConfigRecord config = ReadConfig(dir);
    progress.setPercent(10);
    TemplateCache templates(dir);
    const PageTemplate& header = templates.get(config.MainMenuHeader);
    progress.setPercent(20);

    PageBuilder p;
    if (header.exists) {
        p.raw(header.lines);
    } else {
        p.line("<HTML><BODY>");
        p.line("<center><h2><b>MAIN MENU</b></h2></center><br>");
    }
    progress.setPercent(30);
    p.line(ModeComment(config));
    p.line(
        "<center><table border=1><TR><TD><center><b>CATEGORY</b></center></TD><TD><center><b>NUMBER OF "
        "AUCTIONS</b></center></TD><TD><center><b>SPONSOR</b></center></TD></TR>");

    // Validated items per category, counted in one read of auctions.dat.
    std::unordered_map<std::string, long long> counts;
    ForEachRecordRaw(RecordPath<AuctionRecord>(dir), AuctionRecord::Length, [&](RecordNo, std::string_view bytes) {
        const auto& f = AuctionRecord::Fields;
        std::string_view validated = bytes.substr(static_cast<std::size_t>(f[1].offset), 1);
        if (validated == "Y" || validated == "y") {
            std::string_view category =
                bytes.substr(static_cast<std::size_t>(f[3].offset), static_cast<std::size_t>(f[3].width));
            ++counts[UpperAscii(TrimView(category))];
        }
        return true;
    });

    // Opening category.dat for its records leaves an empty one behind.
    auto categoryFile = RecordPath<CategoryRecord>(dir);
    TouchFile(categoryFile);
    ForEachRecord<CategoryRecord>(categoryFile, [&](RecordNo k, const CategoryRecord& c) {
        auto found = counts.find(CategoryKey(c.CatName));
        long long count = found == counts.end() ? 0 : found->second;
        p.line("<TR><TD><a href=\"cat" + std::to_string(k) + ".htm\">" + Trim(c.CatName) + "</a></TD>");
        p.line("<TD><center>" + std::to_string(count) + "</center></TD>");
        std::string sponsor = Trim(c.CatURL);
        p.line(sponsor.size() >= 3 ? "<TD>" + sponsor + "</TD>" : std::string("<TD></TD>"));
        progress.setPercent(50);
        return true;
    });
    p.line("</TR></TD></TABLE></CENTER>");
    p.line(
        "<br><center><li><a href=\"register.htm\">Register</a> to be able to Bid on Auctions and/or Offer Items "
        "for Auction</li></center>");
    p.line("<br><center><li><a href=\"inform.htm\">Sell an Item</a>: Offer an item up for Auction</li></center>");
    const PageTemplate& footer = templates.get(config.MainMenuFooter);
    if (footer.exists)
        p.raw(footer.lines);
    else
        p.line("</BODY></HTML>");
    progress.setPercent(75);
    WritePage(HtmlDirectory(dir) / "gavlin.htm", p.text());
    progress.setPercent(100);
    progress.setStatus("Finished");
    return PageResult::Finished;
}

}  // namespace

PageResult MakeMainMenuPage(const std::filesystem::path& dir, ProgressSink& progress, Messenger& messenger) {
    return ReportFailures(messenger, [&] { return Generate(dir, progress); });
}

}  // namespace gavlin
