// The maintenance run over A auctions (half of them ended, every ended one
// with a registered seller, top bidder and previous bidder) and U users. The
// cost should grow with A + U, not with A x U: the users are looked up
// through one index built per run.
//
//   bench_closeout --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "closeout/MaintenanceRun.h"
#include "platform/Clock.h"
#include "store/RecordFile.h"

namespace fs = std::filesystem;
using namespace gavlin;

namespace {

struct Quiet : StatusLog, ProgressSink {
    void addLine(const std::string&) override {}
    void setStatus(const std::string&) override {}
    void setPercent(int) override {}
};

std::string UserAddress(long i) {
    return "user" + std::to_string(i) + "@example.com";
}

class Site {
public:
    Site(long auctions, long users) {
        char pattern[] = "/tmp/gavlin-bench-XXXXXX";
        dir_ = ::mkdtemp(pattern);
        std::string bytes;
        for (long i = 0; i < users; ++i) {
            UserRecord u;
            u.RealName = "User " + std::to_string(i);
            u.Email = UserAddress(i);
            u.Validated = "Y";
            bytes += EncodeRecord(u);
        }
        WriteWholeFile(dir_ / "reguser.dat", bytes);
        bytes.clear();
        for (long i = 0; i < auctions; ++i) {
            AuctionRecord a;
            a.ItemName = "Item " + std::to_string(i);
            a.Description = "Description of item " + std::to_string(i);
            a.EndMonth = "06";
            a.EndDay = "01";
            a.EndYear = i % 2 ? "2099" : "1999";
            a.EndHour = "12";
            // Registered users from the end of the file: the slowest case for a scan.
            a.SellerEmail = UserAddress(users - 1 - (i % users));
            a.HighBidder = UserAddress(users - 1 - ((i + 1) % users));
            a.HighPrice = "20";
            a.HighDate = "05-30-1999";
            a.HighTime = "10";
            a.LastBidder = UserAddress(users - 1 - ((i + 2) % users));
            a.LastPrice = "15";
            bytes += EncodeRecord(a);
        }
        auctions_ = bytes;
        fs::create_directory(dir_ / "HTML");
    }
    ~Site() { fs::remove_all(dir_); }

    // Puts the directory back as it was before a run.
    void reset() const {
        for (const auto& e : fs::directory_iterator(dir_))
            if (e.path().extension() == ".out" || e.path().extension() == ".old") fs::remove(e.path());
        WriteWholeFile(dir_ / "auctions.dat", auctions_);
    }
    const fs::path& dir() const { return dir_; }

private:
    fs::path dir_;
    std::string auctions_;
};

void BM_MaintenanceRun(benchmark::State& state) {
    const long auctions = state.range(0), users = state.range(1);
    Site site(auctions, users);
    SetClockForTests([] {
        LocalTime t;
        t.year = 2000;
        t.month = 1;
        t.day = 1;
        t.hour = 12;
        return t;
    });
    Quiet quiet;
    for (auto _ : state) {
        state.PauseTiming();
        site.reset();
        state.ResumeTiming();
        MaintenanceSummary s = MaintenanceRun(site.dir(), quiet, quiet);
        benchmark::DoNotOptimize(s.closed);
    }
    SetClockForTests({});
    state.counters["auctions"] = static_cast<double>(auctions);
    state.counters["users"] = static_cast<double>(users);
    state.counters["us_per_auction"] = benchmark::Counter(
        static_cast<double>(auctions), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetComplexityN(auctions + users);
}

}  // namespace

// More auctions, users fixed; then more users, auctions fixed.
BENCHMARK(BM_MaintenanceRun)
    ->Args({500, 1000})
    ->Args({1000, 1000})
    ->Args({2000, 1000})
    ->Args({4000, 1000})
    ->Args({1000, 4000})
    ->Args({1000, 16000})
    ->Args({1000, 64000})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
