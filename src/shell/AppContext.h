#pragma once
#include <filesystem>

namespace gavlin {
// The application directory of this run: the executable's directory, or --dir.
const std::filesystem::path& ApplicationDirectory();
void SetApplicationDirectory(const std::filesystem::path& dir);
}  // namespace gavlin
