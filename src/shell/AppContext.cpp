#include "shell/AppContext.h"

namespace gavlin {
namespace {
std::filesystem::path& Dir() {
    static std::filesystem::path dir = std::filesystem::current_path();
    return dir;
}
}  // namespace
const std::filesystem::path& ApplicationDirectory() { return Dir(); }
void SetApplicationDirectory(const std::filesystem::path& dir) { Dir() = dir; }
}  // namespace gavlin
