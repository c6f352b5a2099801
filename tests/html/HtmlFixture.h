#pragma once
// Small application directories for the page tests, and recorders for what a
// generator reports.
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/Reporting.h"
#include "store/AppDir.h"
#include "store/RecordFile.h"
#include "support/TempDir.h"

namespace gavlin::test {

// Lines joined with CR LF, each ended by one.
inline std::string Crlf(std::initializer_list<std::string> lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

struct RecordingProgress : ProgressSink {
    std::vector<std::string> statuses;
    std::vector<int> percents;
    void setStatus(const std::string& t) override { statuses.push_back(t); }
    void setPercent(int p) override { percents.push_back(p); }
};

struct RecordingMessenger : Messenger {
    std::vector<std::string> texts;
    MsgResult show(const std::string& text, const std::string&, MsgIcon, MsgButtons) override {
        texts.push_back(text);
        return MsgResult::Ok;
    }
};

inline CategoryRecord Category(std::string name, std::string header = "", std::string footer = "",
                               std::string url = "") {
    return CategoryRecord{std::move(name), std::move(header), std::move(footer), std::move(url)};
}

// A validated item without bids, ending Monday, January 05, 1998 at 14 h.
inline AuctionRecord Item(std::string file, std::string category, std::string name) {
    AuctionRecord a;
    a.FileName = std::move(file);
    a.Validated = "Y";
    a.SellerAlias = "seller";
    a.Category = std::move(category);
    a.ItemName = std::move(name);
    a.EndMonth = "01";
    a.EndDay = "05";
    a.EndYear = "1998";
    a.EndHour = "14";
    a.Description = "A fine thing";
    a.SellerEmail = "seller@example.com";
    a.SellerPassword = "pw";
    a.MinBid = "10";
    return a;
}

inline UserRecord User(std::string alias, std::string email) {
    UserRecord u;
    u.Alias = std::move(alias);
    u.Email = std::move(email);
    u.Validated = "Y";
    return u;
}

// A prepared application directory with record files added on demand.
struct Site {
    TempDir dir;
    Site() { PrepareApplicationDirectory(dir.path()); }
    const std::filesystem::path& path() const { return dir.path(); }
    void add(const CategoryRecord& c) const { AppendRecord(RecordPath<CategoryRecord>(dir.path()), c); }
    void add(const AuctionRecord& a) const { AppendRecord(RecordPath<AuctionRecord>(dir.path()), a); }
    void add(const UserRecord& u) const { AppendRecord(RecordPath<UserRecord>(dir.path()), u); }
    void config(const ConfigRecord& c) const { WriteRecord(RecordPath<ConfigRecord>(dir.path()), 1, c); }
    std::string page(const std::string& name) const { return dir.read("HTML/" + name); }
    bool hasPage(const std::string& name) const { return dir.exists("HTML/" + name); }
};

}  // namespace gavlin::test
