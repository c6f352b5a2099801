// Reading any bytes as record files never crashes: whole records decode,
// a partial tail is ignored, and removal keeps every other record.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "store/RecordFile.h"

namespace {
std::filesystem::path Dir() {
    static std::filesystem::path dir = [] {
        char tmpl[] = "/tmp/gavlin-fuzz-XXXXXX";
        if (!::mkdtemp(tmpl)) std::abort();
        return std::filesystem::path(tmpl);
    }();
    return dir;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gavlin;
    auto file = Dir() / "reguser.dat";
    WriteWholeFile(file, std::string_view(reinterpret_cast<const char*>(data), size));
    RecordNo count = RecordCount<UserRecord>(file);
    auto all = ReadAllRecords<UserRecord>(file);
    if (static_cast<RecordNo>(all.size()) != count) std::abort();
    for (const auto& u : all)
        if (EncodeRecord(u).size() != UserRecord::Length) std::abort();
    if (count > 1) {
        RemoveRecord<UserRecord>(file, 1);
        if (RecordCount<UserRecord>(file) != count - 1) std::abort();
    }
    return 0;
}
