#include "support/TempDir.h"

#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace gavlin::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "gavlin-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempDir::write(std::string_view name, std::string_view content) const {
    std::ofstream f(path_ / name, std::ios::binary);
    f.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string TempDir::read(std::string_view name) const {
    std::ifstream f(path_ / name, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

bool TempDir::exists(std::string_view name) const { return std::filesystem::exists(path_ / name); }

bool CanRestrictWrites() { return ::geteuid() != 0; }

}  // namespace gavlin::test

#include <grp.h>
#include <sys/wait.h>

namespace gavlin::test {

int RunAsNobody(const std::function<int()>& fn) {
    pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (::geteuid() == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(120);
        }
        int rc = fn();
        ::_exit(rc);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

void OpenForNobody(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (fs::path p = path; !p.empty() && p != p.root_path(); p = p.parent_path())
        fs::permissions(p, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec,
                        fs::perm_options::add, ec);
}

}  // namespace gavlin::test
