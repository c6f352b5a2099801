#include "mail/BatchLookups.h"

#include "store/Text.h"

namespace gavlin {

namespace {

std::string LoginKey(std::string_view address, std::string_view password) {
    // Length-prefixed so that no pair of texts can run into another.
    std::string email = EmailKey(address);
    return std::to_string(email.size()) + ':' + email + PasswordKey(password);
}

std::string NameKey(std::string_view pageName) {
    return UpperAscii(TrimView(pageName));
}

}  // namespace

std::string PasswordKey(std::string_view password) {
    return UpperAscii(TrimView(password.substr(0, 10)));
}

UserLookup UserLookup::Load(const std::filesystem::path& reguserFile) {
    UserLookup lookup;
    ForEachRecordRaw(reguserFile, UserRecord::Length, [&](RecordNo, std::string_view bytes) {
        lookup.add(DecodeRecord<UserRecord>(bytes));
        return true;
    });
    return lookup;
}

bool UserLookup::hasLogin(std::string_view address, std::string_view password) const {
    return logins_.count(LoginKey(address, password)) > 0;
}

void UserLookup::add(const UserRecord& user) {
    users_.add(user);
    logins_.insert(LoginKey(user.Email, user.Password));
}

ItemLookup ItemLookup::Load(const std::filesystem::path& auctionsFile) {
    ItemLookup lookup;
    ForEachRecordRaw(auctionsFile, AuctionRecord::Length, [&](RecordNo n, std::string_view bytes) {
        lookup.add(n, DecodeRecord<AuctionRecord>(bytes));
        return true;
    });
    return lookup;
}

bool ItemLookup::holdsName(std::string_view pageName) const {
    return byName_.count(NameKey(pageName)) > 0;
}

std::vector<BidState>* ItemLookup::items(std::string_view identification) {
    auto it = byName_.find(NameKey(identification));
    return it == byName_.end() ? nullptr : &it->second;
}

void ItemLookup::add(RecordNo record, const AuctionRecord& item) {
    byName_[NameKey(item.FileName)].push_back(
        BidState{record, NumericValue(item.HighPrice), NumericValue(item.MinBid)});
}

}  // namespace gavlin
