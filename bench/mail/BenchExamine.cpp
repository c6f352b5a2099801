// Message processing cost grows linearly with the batch: users and items are
// looked up through tables built once per batch, not by reading reguser.dat
// and auctions.dat again for every message.
//
// Each batch runs on a directory holding n users and n auctions, with n
// message files: bids (one per item, each accepted) or a mix of
// registrations, new items and bids.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "mail/ExamineIncomingMessages.h"
#include "store/AppDir.h"
#include "store/RecordFile.h"

namespace {

namespace fs = std::filesystem;
using namespace gavlin;

struct NullLog : StatusLog {
    void addLine(const std::string&) override {}
};

std::string PageName(int i) {
    std::string name = "aaaaaaaa.htm";
    for (int k = 7; k >= 0 && i > 0; --k, i /= 26) name[static_cast<std::size_t>(k)] = static_cast<char>('a' + i % 26);
    return name;
}

std::string Email(int i) {
    return "user" + std::to_string(i) + "@example.com";
}

class BatchDir {
public:
    BatchDir(int n, bool mixed) {
        char tmpl[] = "/tmp/gavlin-bench-XXXXXX";
        if (!::mkdtemp(tmpl)) std::abort();
        dir_ = tmpl;
        PrepareApplicationDirectory(dir_);
        std::string users, items;
        for (int i = 0; i < n; ++i) {
            UserRecord u;
            u.Alias = "user" + std::to_string(i);
            u.Email = Email(i);
            u.Password = "pw" + std::to_string(i);
            users += EncodeRecord(u);
            AuctionRecord a;
            a.FileName = PageName(i);
            a.ItemName = "item " + std::to_string(i);
            a.SellerEmail = Email(i);
            a.MinBid = "10";
            items += EncodeRecord(a);
        }
        WriteWholeFile(RecordPath<UserRecord>(dir_), users);
        users_ = users;
        items_ = items;
        for (int i = 0; i < n; ++i) {
            const std::string id = std::to_string(i);
            std::string body;
            switch (mixed ? i % 3 : 2) {
                case 0:
                    body = "GAVLIN=REGISTER&ALIAS=new" + id + "&REALNAME=New+User&PASSWORD=pw&EMAIL=new" + id +
                           "%40example.com&CITY=Rome";
                    break;
                case 1:
                    body = "GAVLIN=NEWAUCTION&CATEGORY=Toys&ITEMNAME=Toy+" + id + "&EMAIL=user" + id +
                           "%40example.com&MINBID=5&DESCRIPTION=A+toy%0D%0Aused";
                    break;
                default:
                    body = "GAVLIN=NEWBID&IDENTIFICATION=" + PageName(i) + "&EMAIL=user" + id +
                           "%40example.com&PASSWORD=pw" + id + "&ITEMBID=12.50";
            }
            WriteWholeFile(dir_ / (id + ".msg"),
                           "From: visitor@example.org\r\nSubject: Form posted\r\n\r\n" + body + "\r\n");
        }
    }
    ~BatchDir() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    // Puts back the record files as they were before the batch.
    void reset() const {
        WriteWholeFile(RecordPath<UserRecord>(dir_), users_);
        WriteWholeFile(RecordPath<AuctionRecord>(dir_), items_);
    }
    const fs::path& path() const { return dir_; }

private:
    fs::path dir_;
    std::string users_, items_;
};

void Run(benchmark::State& state, bool mixed) {
    const int n = static_cast<int>(state.range(0));
    BatchDir d(n, mixed);
    NullLog log;
    for (auto _ : state) {
        state.PauseTiming();
        d.reset();
        state.ResumeTiming();
        ExamineIncomingMessages(d.path(), log);
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetComplexityN(n);
}

void BM_BidBatch(benchmark::State& state) {
    Run(state, false);
}
void BM_MixedBatch(benchmark::State& state) {
    Run(state, true);
}

}  // namespace

BENCHMARK(BM_BidBatch)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_MixedBatch)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_MAIN();
