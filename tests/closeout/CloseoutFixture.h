#pragma once
// Small builders for the maintenance tests: auctions, users, a fixed clock and
// a recorder of the log lines and progress steps.
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Reporting.h"
#include "store/RecordFile.h"
#include "support/TempDir.h"

namespace gavlin::test {

inline LocalTime At(int year, int month, int day, int hour, int minute = 0) {
    LocalTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    return t;
}

// Fixes the clock for the lifetime of the guard.
class FixedClock {
public:
    explicit FixedClock(LocalTime t) {
        SetClockForTests([t] { return t; });
    }
    ~FixedClock() { SetClockForTests({}); }
};

// An auction ending on month/day/year at hour, with no bids.
inline AuctionRecord Auction(const std::string& description, const std::string& month, const std::string& day,
                             const std::string& year, const std::string& hour) {
    AuctionRecord a;
    a.FileName = "";
    a.Validated = "Y";
    a.SellerAlias = "seller";
    a.Category = "Toys";
    a.ItemName = "Item " + description;
    a.EndMonth = month;
    a.EndDay = day;
    a.EndYear = year;
    a.EndHour = hour;
    a.Description = description;
    a.SellerEmail = "seller@example.com";
    a.MinBid = "5";
    return a;
}

inline AuctionRecord EndedAuction(const std::string& description) {
    return Auction(description, "01", "01", "1999", "00");
}
inline AuctionRecord OpenAuction(const std::string& description) {
    return Auction(description, "12", "31", "2099", "23");
}

inline UserRecord User(const std::string& realName, const std::string& email) {
    UserRecord u;
    u.Alias = realName;
    u.RealName = realName;
    u.Email = email;
    u.Validated = "Y";
    return u;
}

inline void WriteAuctions(const TempDir& d, const std::vector<AuctionRecord>& auctions) {
    std::string bytes;
    for (const auto& a : auctions) bytes += EncodeRecord(a);
    d.write("auctions.dat", bytes);
}

inline void WriteUsers(const TempDir& d, const std::vector<UserRecord>& users) {
    std::string bytes;
    for (const auto& u : users) bytes += EncodeRecord(u);
    d.write("reguser.dat", bytes);
}

struct Recorder : StatusLog, ProgressSink {
    std::vector<std::string> lines;
    std::vector<int> percents;
    void addLine(const std::string& line) override { lines.push_back(line); }
    void setStatus(const std::string& text) override { lines.push_back(text); }
    void setPercent(int percent) override { percents.push_back(percent); }
};

}  // namespace gavlin::test
