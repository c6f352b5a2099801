#pragma once
#include <filesystem>

namespace gavlin {
// Runs the windows on the application directory (QApplication already exists).
int RunGui(const std::filesystem::path& dir);
}  // namespace gavlin
