#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace gavlin::test {

// A fresh directory under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    void write(std::string_view name, std::string_view content) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;

private:
    std::filesystem::path path_;
};

// A directory made read-only for the lifetime of the guard. Tests run as root
// ignore permission bits, so callers check CanRestrictWrites() first.
bool CanRestrictWrites();

}  // namespace gavlin::test

namespace gavlin::test {
// Runs fn in a child process that has dropped root to the unprivileged user
// 65534, so that permission bits (a read-only directory) apply as they do for
// the operator. Returns fn's result, or -1 when the child died.
int RunAsNobody(const std::function<int()>& fn);
// Makes path and its parents traversable for that user.
void OpenForNobody(const std::filesystem::path& path);
}  // namespace gavlin::test
