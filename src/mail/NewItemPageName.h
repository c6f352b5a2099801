#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace gavlin {

// The page file name of a new auction: eight random lower-case letters and
// ".htm". A name is drawn again while a file of that name exists in the HTML
// sub-directory of appDir or taken(name) says an auction already holds it.
using NameTaken = std::function<bool(std::string_view name)>;
std::string NewItemPageName(const std::filesystem::path& appDir, const NameTaken& taken);

// As above, with the names held by the records of auctions.dat (read once).
std::string NewItemPageName(const std::filesystem::path& appDir);

}  // namespace gavlin
