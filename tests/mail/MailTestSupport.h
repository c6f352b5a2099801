#pragma once
// Small helpers shared by the message-processing tests.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Reporting.h"
#include "store/AppDir.h"
#include "store/RecordFile.h"
#include "store/Text.h"

namespace gavlin::test {

struct LinesLog : StatusLog {
    std::vector<std::string> lines;
    void addLine(const std::string& line) override { lines.push_back(line); }
};

inline void SetAutoValidate(const std::filesystem::path& dir, const std::string& value) {
    PrepareApplicationDirectory(dir);
    ConfigRecord c = DefaultConfigRecord();
    c.AutoValidate = value;
    WriteRecord(RecordPath<ConfigRecord>(dir), 1, c);
}

inline void AddUser(const std::filesystem::path& dir, const std::string& email, const std::string& password,
                    const std::string& alias) {
    UserRecord u;
    u.Email = email;
    u.Password = password;
    u.Alias = alias;
    u.Validated = "Y";
    AppendRecord(RecordPath<UserRecord>(dir), u);
}

inline void AddItem(const std::filesystem::path& dir, const std::string& fileName, const std::string& minBid,
                    const std::string& highPrice = "") {
    AuctionRecord a;
    a.FileName = fileName;
    a.MinBid = minBid;
    a.HighPrice = highPrice;
    a.ItemName = "item " + fileName;
    AppendRecord(RecordPath<AuctionRecord>(dir), a);
}

inline std::string MailFixture(const std::string& name) {
    return (std::filesystem::path(GAVLIN_MAIL_FIXTURES) / name).string();
}

}  // namespace gavlin::test
