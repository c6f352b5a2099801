#pragma once
// Users looked up by e-mail address, built once from reguser.dat so that a
// run costs one read of the file. Gives what a scan from record 1 gives: the
// first user with the address wins.
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/Records.h"

namespace gavlin {

class UserIndex {
public:
    static UserIndex Load(const std::filesystem::path& reguserFile);

    // The first user whose Email matches address (compared by EmailKey), or nullptr.
    const UserRecord* byEmail(std::string_view address) const;
    // Keeps the index up to date after a record was appended to the file.
    void add(const UserRecord& user);
    const std::vector<UserRecord>& users() const { return users_; }

private:
    std::vector<UserRecord> users_;
    std::unordered_map<std::string, std::size_t> first_;
};

}  // namespace gavlin
