// Any bytes as a message file: the whole operation runs without a crash and
// leaves record files of whole records, with every record that was there.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "mail/ExamineIncomingMessages.h"
#include "platform/Random.h"
#include "store/AppDir.h"
#include "store/RecordFile.h"

namespace {

namespace fs = std::filesystem;
using namespace gavlin;

struct NullLog : StatusLog {
    void addLine(const std::string&) override {}
};

struct Site {
    fs::path dir;
    std::string users, items;

    Site() {
        char tmpl[] = "/tmp/gavlin-fuzz-XXXXXX";
        if (!::mkdtemp(tmpl)) std::abort();
        dir = tmpl;
        PrepareApplicationDirectory(dir);
        ConfigRecord c = DefaultConfigRecord();
        c.AutoValidate = "Y";
        WriteRecord(RecordPath<ConfigRecord>(dir), 1, c);
        UserRecord u;
        u.Alias = "amy";
        u.Email = "a@b";
        u.Password = "p";
        users = EncodeRecord(u);
        AuctionRecord a;
        a.FileName = "abcdefgh.htm";
        a.MinBid = "1";
        items = EncodeRecord(a);
        SeedRandomForTests(1);
    }
};

Site& TheSite() {
    static Site site;
    return site;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Site& s = TheSite();
    const auto usersFile = RecordPath<UserRecord>(s.dir), itemsFile = RecordPath<AuctionRecord>(s.dir);
    WriteWholeFile(usersFile, s.users);
    WriteWholeFile(itemsFile, s.items);
    WriteWholeFile(s.dir / "1.msg", std::string_view(reinterpret_cast<const char*>(data), size));
    NullLog log;
    ExamineIncomingMessages(s.dir, log);
    const std::string users = ReadWholeFile(usersFile), items = ReadWholeFile(itemsFile);
    Check(users.size() % UserRecord::Length == 0 && users.compare(0, s.users.size(), s.users) == 0);
    Check(items.size() % AuctionRecord::Length == 0 && items.size() >= s.items.size());
    Check(items.compare(0, 12, s.items, 0, 12) == 0);  // the page name never changes
    return 0;
}
