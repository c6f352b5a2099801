#include "store/AppDir.h"

#include "store/RecordFile.h"

namespace gavlin {

std::filesystem::path HtmlDirectory(const std::filesystem::path& dir) {
    return dir / "HTML";
}

ConfigRecord ReadConfig(const std::filesystem::path& dir) {
    auto file = RecordPath<ConfigRecord>(dir);
    if (RecordCount<ConfigRecord>(file) < 1) return DefaultConfigRecord();
    return ReadRecord<ConfigRecord>(file, 1);
}

PreparedDirectory PrepareApplicationDirectory(const std::filesystem::path& dir) {
    PreparedDirectory result;
    auto file = RecordPath<ConfigRecord>(dir);
    try {
        if (FileExists(file)) {
            result.config = ReadConfig(dir);
        } else {
            result.config = DecodeRecord<ConfigRecord>(EncodeRecord(DefaultConfigRecord()));
            try {
                AppendRecord(file, result.config);
            } catch (const FileError&) {
                // A half-written new file (full disk) would pass for an existing
                // one at the next start and never get its default record.
                std::error_code ignored;
                std::filesystem::remove(file, ignored);
                throw;
            }
        }
    } catch (const FileError& e) {
        result.config = DecodeRecord<ConfigRecord>(EncodeRecord(DefaultConfigRecord()));
        result.problem = e.what();
    }
    std::error_code ignored;
    std::filesystem::create_directory(HtmlDirectory(dir), ignored);
    return result;
}

}  // namespace gavlin
