#include "store/UserIndex.h"

#include "store/RecordFile.h"
#include "store/Text.h"

namespace gavlin {

UserIndex UserIndex::Load(const std::filesystem::path& reguserFile) {
    UserIndex index;
    ForEachRecordRaw(reguserFile, UserRecord::Length, [&](RecordNo, std::string_view bytes) {
        index.add(DecodeRecord<UserRecord>(bytes));
        return true;
    });
    return index;
}

const UserRecord* UserIndex::byEmail(std::string_view address) const {
    auto it = first_.find(EmailKey(address));
    return it == first_.end() ? nullptr : &users_[it->second];
}

void UserIndex::add(const UserRecord& user) {
    users_.push_back(user);
    first_.emplace(EmailKey(user.Email), users_.size() - 1);
}

}  // namespace gavlin
