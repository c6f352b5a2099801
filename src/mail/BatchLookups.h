#pragma once
// Lookups built once per batch of messages and kept up to date as the batch
// appends and rewrites records, so that a batch reads reguser.dat and
// auctions.dat once. Each gives what a scan from record 1 would give.
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/UserIndex.h"

namespace gavlin {

// A bid's or a user's password as it is compared: cut to the field's 10
// characters, trimmed, in upper case.
std::string PasswordKey(std::string_view password);

class UserLookup {
public:
    static UserLookup Load(const std::filesystem::path& reguserFile);

    // The first user whose Email matches address, or nullptr.
    const UserRecord* byEmail(std::string_view address) const { return users_.byEmail(address); }
    // Whether a user has both this e-mail address and this password.
    bool hasLogin(std::string_view address, std::string_view password) const;
    void add(const UserRecord& user);

private:
    UserIndex users_;
    std::unordered_set<std::string> logins_;
};

// What the bid step needs of one auction record.
struct BidState {
    RecordNo record = 0;
    double highPrice = 0;  // numeric value of HighPrice as stored
    double minBid = 0;     // numeric value of MinBid as stored
};

class ItemLookup {
public:
    static ItemLookup Load(const std::filesystem::path& auctionsFile);

    // Whether an auction holds this page name (trimmed, any letter case).
    bool holdsName(std::string_view pageName) const;
    // The records whose FileName matches identification, in record order.
    std::vector<BidState>* items(std::string_view identification);
    void add(RecordNo record, const AuctionRecord& item);

private:
    std::unordered_map<std::string, std::vector<BidState>> byName_;
};

}  // namespace gavlin
