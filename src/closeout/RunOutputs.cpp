#include "closeout/RunOutputs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Clock.h"
#include "platform/Random.h"
#include "store/FileError.h"

namespace gavlin {

namespace fs = std::filesystem;

namespace {

void WriteAll(int fd, const fs::path& file, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t r = ::write(fd, bytes.data(), bytes.size());
        if (r < 0) {
            if (errno == EINTR) continue;
            throw FileError(file, "write", errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(r));
    }
}

void CloseChecked(int fd, const fs::path& file) {
    if (::close(fd) != 0 && errno != EINTR) throw FileError(file, "write", errno);
}

std::string NoticeName() {
    std::string name(8, 'a');
    for (char& c : name) c = static_cast<char>('a' + RandomBelow(26));
    return name + ".out";
}

}  // namespace

std::string RunOutputs::writeNotice(std::string_view content) {
    for (;;) {
        std::string name = NoticeName();
        fs::path file = dir_ / name;
        // O_EXCL makes "the name is free" and "the file is ours" one step; a
        // name taken in any letter case on a case-blind disk also fails here.
        int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EEXIST || errno == EISDIR) continue;
            throw FileError(file, "create", errno);
        }
        notices_.push_back(file);
        try {
            WriteAll(fd, file, content);
        } catch (...) {
            ::close(fd);
            throw;
        }
        CloseChecked(fd, file);
        return name;
    }
}

void RunOutputs::appendArchive(std::string_view entry) {
    fs::path file = dir_ / (std::to_string(Now().year) + ".old");
    const bool first = !archiveLengths_.count(file);
    std::int64_t lengthBefore = -1;
    if (first) {
        struct stat st {};
        if (::stat(file.c_str(), &st) == 0)
            lengthBefore = st.st_size;
        else if (errno != ENOENT)
            throw FileError(file, "open", errno);
    }
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) throw FileError(file, "open", errno);
    if (first) archiveLengths_[file] = lengthBefore;
    try {
        WriteAll(fd, file, entry);
    } catch (...) {
        ::close(fd);
        throw;
    }
    CloseChecked(fd, file);
}

void RunOutputs::makeDurable() const {
    if (notices_.empty() && archiveLengths_.empty()) return;
    // One flush of the whole file system instead of one per notice file.
    int fd = ::open(dir_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) throw FileError(dir_, "open", errno);
    int rc = ::syncfs(fd);
    int err = errno;
    ::close(fd);
    if (rc != 0) throw FileError(dir_, "write", err);
}

std::string RunOutputs::undo() noexcept {
    std::string problems;
    auto note = [&](const fs::path& file, const char* action, int err) {
        problems += "Could not ";
        problems += action;
        problems += " " + file.string() + ": " + std::strerror(err) + "\n";
    };
    for (const fs::path& file : notices_)
        if (::unlink(file.c_str()) != 0 && errno != ENOENT) note(file, "delete", errno);
    notices_.clear();
    for (const auto& [file, length] : archiveLengths_) {
        if (length < 0) {
            if (::unlink(file.c_str()) != 0 && errno != ENOENT) note(file, "delete", errno);
        } else if (::truncate(file.c_str(), static_cast<off_t>(length)) != 0) {
            note(file, "restore", errno);
        }
    }
    archiveLengths_.clear();
    if (!problems.empty() && problems.back() == '\n') problems.pop_back();
    return problems;
}

}  // namespace gavlin
