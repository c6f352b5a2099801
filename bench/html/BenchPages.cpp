// Page generation cost grows linearly: record files are read once per
// command into tables, so the cost follows items + categories + users, not
// categories x items or pages x users.
//
// A site holds c categories and n validated items spread over them, each item
// with a top and a previous bid by one of n registered users.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "html/PageGenerators.h"
#include "store/AppDir.h"
#include "store/RecordFile.h"

namespace {

namespace fs = std::filesystem;
using namespace gavlin;

struct Quiet : ProgressSink, Messenger {
    void setStatus(const std::string&) override {}
    void setPercent(int) override {}
    MsgResult show(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgResult::Ok; }
};

std::string PageName(int i) {
    std::string name = "aaaaaaaa.htm";
    for (int k = 7; k >= 0 && i > 0; --k, i /= 26) name[static_cast<std::size_t>(k)] = static_cast<char>('a' + i % 26);
    return name;
}

class SiteDir {
public:
    SiteDir(int categories, int items) {
        char tmpl[] = "/tmp/gavlin-bench-XXXXXX";
        if (!::mkdtemp(tmpl)) std::abort();
        dir_ = tmpl;
        PrepareApplicationDirectory(dir_);
        WriteWholeFile(dir_ / "head.htm", "<HTML><BODY>\r\n<h1>Auctions</h1>\r\n");
        std::string cats, users, auctions;
        for (int c = 0; c < categories; ++c)
            cats += EncodeRecord(CategoryRecord{"Category " + std::to_string(c), "head.htm", "foot.htm", "sponsor"});
        for (int i = 0; i < items; ++i) {
            std::string email = "user" + std::to_string(i) + "@example.com";
            UserRecord u;
            u.Alias = "user" + std::to_string(i);
            u.Email = email;
            users += EncodeRecord(u);
            AuctionRecord a;
            a.FileName = PageName(i);
            a.Validated = "Y";
            a.Category = "category " + std::to_string(i % categories);
            a.ItemName = "item " + std::to_string(i);
            a.EndMonth = "12";
            a.EndDay = "31";
            a.EndYear = "2030";
            a.EndHour = "15";
            a.Description = "A description of item " + std::to_string(i);
            a.MinBid = "10";
            a.HighPrice = "20";
            a.HighBidder = email;
            a.HighDate = "12-05-2026";
            a.HighTime = "14";
            a.LastPrice = "15";
            a.LastBidder = "user" + std::to_string((i + 1) % items) + "@example.com";
            a.LastDate = "12-04-2026";
            a.LastTime = "09";
            auctions += EncodeRecord(a);
        }
        WriteWholeFile(RecordPath<CategoryRecord>(dir_), cats);
        WriteWholeFile(RecordPath<UserRecord>(dir_), users);
        WriteWholeFile(RecordPath<AuctionRecord>(dir_), auctions);
    }
    ~SiteDir() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    const fs::path& path() const { return dir_; }

private:
    fs::path dir_;
};

using Generator = PageResult (*)(const fs::path&, ProgressSink&, Messenger&);

void Run(benchmark::State& state, Generator generate) {
    const int categories = static_cast<int>(state.range(0));
    const int items = static_cast<int>(state.range(1));
    SiteDir site(categories, items);
    Quiet quiet;
    for (auto _ : state)
        if (generate(site.path(), quiet, quiet) != PageResult::Finished) state.SkipWithError("generator failed");
    state.counters["categories"] = categories;
    state.counters["items"] = items;
}

void BM_ItemPages(benchmark::State& s) {
    Run(s, MakeItemPages);
}
void BM_CategoryPages(benchmark::State& s) {
    Run(s, MakeCategoryPages);
}
void BM_MainMenuPage(benchmark::State& s) {
    Run(s, MakeMainMenuPage);
}

// Categories x items grows 100-fold along each list; the time should grow
// with categories + items only.
void Sizes(benchmark::internal::Benchmark* b) {
    for (auto [c, n] : {std::pair{10, 1000}, {100, 1000}, {1000, 1000}, {100, 4000}, {400, 4000}, {100, 16000}})
        b->Args({c, n});
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ItemPages)->Apply(Sizes);
BENCHMARK(BM_CategoryPages)->Apply(Sizes);
BENCHMARK(BM_MainMenuPage)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
