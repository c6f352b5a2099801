// Opening the administration windows on full record files: 30,000 auctions
// (about 200 MB) and 30,000 users, half of them waiting for validation.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QListWidget>
#include <filesystem>
#include <string>

#include "admin/frmAuctionEdit.h"
#include "admin/frmUnValidatedItems.h"
#include "admin/frmUserEdit.h"
#include "admin/frmuvalid.h"
#include "store/RecordFile.h"

namespace {

constexpr int kRecords = 30000;

const std::filesystem::path& BenchDir() {
    static const std::filesystem::path dir = [] {
        std::string tmpl = (std::filesystem::temp_directory_path() / "gavlin-bench-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) std::abort();
        const std::filesystem::path d = tmpl;
        std::string auctions, users;
        auctions.reserve(static_cast<std::size_t>(kRecords) * gavlin::AuctionRecord::Length);
        for (int i = 0; i < kRecords; ++i) {
            gavlin::AuctionRecord a;
            a.FileName = "item" + std::to_string(10000 + i) + ".htm";
            a.Validated = i % 2 ? "Y" : "N";
            a.SellerAlias = "seller" + std::to_string(i % 500);
            a.Category = "Coins";
            a.ItemName = "Item number " + std::to_string(i);
            a.Description = std::string(2000, 'd');
            auctions += gavlin::EncodeRecord(a);
            gavlin::UserRecord u;
            u.RealName = "User number " + std::to_string(i);
            u.Email = "user" + std::to_string(i) + "@example.com";
            u.Validated = i % 2 ? "Y" : "N";
            users += gavlin::EncodeRecord(u);
        }
        gavlin::WriteWholeFile(gavlin::RecordPath<gavlin::AuctionRecord>(d), auctions);
        gavlin::WriteWholeFile(gavlin::RecordPath<gavlin::UserRecord>(d), users);
        gavlin::WriteRecord(gavlin::RecordPath<gavlin::CategoryRecord>(d), 1,
                            gavlin::CategoryRecord{"Coins", "", "", ""});
        return d;
    }();
    return dir;
}

template <class Window>
void OpenWindow(benchmark::State& state) {
    const auto& dir = BenchDir();
    for (auto _ : state) {
        Window window(dir);
        benchmark::DoNotOptimize(window.lstCategory->count());
    }
}

void BM_OpenAuctionEdit(benchmark::State& s) {
    OpenWindow<gavlin::frmAuctionEdit>(s);
}
void BM_OpenUnValidatedItems(benchmark::State& s) {
    OpenWindow<gavlin::frmUnValidatedItems>(s);
}
void BM_OpenUserEdit(benchmark::State& s) {
    OpenWindow<gavlin::frmUserEdit>(s);
}
void BM_Openuvalid(benchmark::State& s) {
    OpenWindow<gavlin::frmuvalid>(s);
}

BENCHMARK(BM_OpenAuctionEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenUnValidatedItems)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenUserEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Openuvalid)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(BenchDir());
    return 0;
}
