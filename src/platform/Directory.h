#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace gavlin {

// Names of the regular files in dir whose name ends with suffix (any letter
// case), in natural order (1.msg, 2.msg, 10.msg).
std::vector<std::string> ListFilesEndingWith(const std::filesystem::path& dir, std::string_view suffix);

}  // namespace gavlin
