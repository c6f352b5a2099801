#include "store/RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace gavlin {

namespace {

// Owns a POSIX descriptor; every failure is thrown as a FileError naming the file.
class Fd {
public:
    Fd(const fs::path& file, int flags, const char* action) : file_(file) {
        do fd_ = ::open(file.c_str(), flags | O_CLOEXEC, 0644);
        while (fd_ < 0 && errno == EINTR);
        if (fd_ < 0) throw FileError(file, action, errno);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }

    std::int64_t size() const {
        struct stat st {};
        if (::fstat(fd_, &st) != 0) throw FileError(file_, "read", errno);
        return st.st_size;
    }

    // Reads up to n bytes at offset; returns the count read (short at end of file).
    std::size_t readAt(char* buf, std::size_t n, std::int64_t offset) const {
        std::size_t done = 0;
        while (done < n) {
            ssize_t r = ::pread(fd_, buf + done, n - done, static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
            if (r < 0) {
                if (errno == EINTR) continue;
                throw FileError(file_, "read", errno);
            }
            if (r == 0) break;
            done += static_cast<std::size_t>(r);
        }
        return done;
    }

    void writeAt(std::string_view bytes, std::int64_t offset) const {
        std::size_t done = 0;
        while (done < bytes.size()) {
            ssize_t r = ::pwrite(fd_, bytes.data() + done, bytes.size() - done,
                                 static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
            if (r < 0) {
                if (errno == EINTR) continue;
                throw FileError(file_, "write", errno);
            }
            done += static_cast<std::size_t>(r);
        }
    }

    void sync() const {
        if (::fsync(fd_) != 0) throw FileError(file_, "write", errno);
    }

    void close() {
        int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 && errno != EINTR) throw FileError(file_, "write", errno);
    }

private:
    fs::path file_;
    int fd_ = -1;
};

bool Missing(const fs::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0) return false;
    if (errno == ENOENT) return true;
    throw FileError(file, "read", errno);
}

void SyncDirectory(const fs::path& dir) {
    int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // nothing more can be done for durability; the rename already happened
    ::fsync(fd);
    ::close(fd);
}

constexpr std::size_t kChunkRecords = 64;

}  // namespace

fs::path TemporaryCopyPath(const fs::path& file) {
    fs::path tmp = file;
    tmp.replace_extension(".$$$");
    return tmp;
}

RecordNo RecordCountRaw(const fs::path& file, int length) {
    if (Missing(file)) return 0;
    Fd fd(file, O_RDONLY, "read");
    return fd.size() / length;
}

std::string ReadRecordRaw(const fs::path& file, int length, RecordNo n) {
    Fd fd(file, O_RDONLY, "read");
    std::int64_t count = fd.size() / length;
    if (n < 1 || n > count)
        throw FileError(file, "Could not read record " + std::to_string(n) + " of " + file.string() +
                                  ": the file holds " + std::to_string(count) + " records");
    std::string buf(static_cast<std::size_t>(length), ' ');
    fd.readAt(buf.data(), buf.size(), (n - 1) * length);
    return buf;
}

void ForEachRecordRaw(const fs::path& file, int length,
                      const std::function<bool(RecordNo, std::string_view)>& fn) {
    if (Missing(file)) return;
    Fd fd(file, O_RDONLY, "read");
    const std::int64_t count = fd.size() / length;
    std::vector<char> buf(kChunkRecords * static_cast<std::size_t>(length));
    for (RecordNo first = 1; first <= count; first += static_cast<RecordNo>(kChunkRecords)) {
        std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(kChunkRecords, count - first + 1));
        std::size_t got = fd.readAt(buf.data(), want * static_cast<std::size_t>(length), (first - 1) * length);
        std::size_t whole = got / static_cast<std::size_t>(length);
        for (std::size_t i = 0; i < whole; ++i)
            if (!fn(first + static_cast<RecordNo>(i),
                    std::string_view(buf.data() + i * static_cast<std::size_t>(length), static_cast<std::size_t>(length))))
                return;
        if (whole < want) return;  // the file shrank under us: stop at its end
    }
}

void WriteRecordRaw(const fs::path& file, int length, RecordNo n, std::string_view bytes) {
    Fd fd(file, O_RDWR | O_CREAT, "write");
    std::int64_t count = fd.size() / length;
    if (n < 1 || n > count + 1)
        throw FileError(file, "Could not write record " + std::to_string(n) + " of " + file.string() +
                                  ": the file holds " + std::to_string(count) + " records");
    fd.writeAt(bytes.substr(0, static_cast<std::size_t>(length)), (n - 1) * length);
    fd.close();
}

RecordNo AppendRecordRaw(const fs::path& file, int length, std::string_view bytes) {
    Fd fd(file, O_RDWR | O_CREAT, "write");
    std::int64_t count = fd.size() / length;
    // A damaged file's partial tail is shorter than a record, so this covers it.
    fd.writeAt(bytes.substr(0, static_cast<std::size_t>(length)), count * length);
    fd.close();
    return count + 1;
}

namespace {

// Writes a new copy beside the target and renames it over the target in one
// step; on any failure the copy is removed and the target stays as it was.
void ReplaceThrough(const fs::path& target, const fs::path& temporary,
                    const std::function<void(const std::function<void(std::string_view)>&)>& produce) {
    try {
        Fd out(temporary, O_WRONLY | O_CREAT | O_TRUNC, "write");
        std::int64_t offset = 0;
        produce([&](std::string_view bytes) {
            out.writeAt(bytes, offset);
            offset += static_cast<std::int64_t>(bytes.size());
        });
        out.sync();
        out.close();
        if (::rename(temporary.c_str(), target.c_str()) != 0) throw FileError(target, "replace", errno);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    SyncDirectory(target.parent_path());
}

}  // namespace

void ReplaceFileAtomically(const fs::path& target, const fs::path& temporary, std::string_view content) {
    ReplaceThrough(target, temporary, [&](const auto& write) { write(content); });
}

void KeepRecordsRaw(const fs::path& file, int length,
                    const std::function<bool(RecordNo, std::string_view)>& keep) {
    ReplaceThrough(file, TemporaryCopyPath(file), [&](const auto& write) {
        ForEachRecordRaw(file, length, [&](RecordNo n, std::string_view b) {
            if (keep(n, b)) write(b);
            return true;
        });
    });
}

void RemoveRecordRaw(const fs::path& file, int length, RecordNo s) {
    RecordNo count = RecordCountRaw(file, length);
    if (s < 1 || s > count)
        throw FileError(file, "Could not remove record " + std::to_string(s) + " of " + file.string() +
                                  ": the file holds " + std::to_string(count) + " records");
    if (count == 1) {
        DeleteFile(file);
        return;
    }
    KeepRecordsRaw(file, length, [s](RecordNo n, std::string_view) { return n != s; });
}

bool FileExists(const fs::path& file) { return !Missing(file); }

void DeleteFile(const fs::path& file) {
    if (::unlink(file.c_str()) != 0 && errno != ENOENT) throw FileError(file, "delete", errno);
}

void RenameFile(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) throw FileError(from, "rename", errno);
}

void WriteWholeFile(const fs::path& file, std::string_view content) {
    Fd fd(file, O_WRONLY | O_CREAT | O_TRUNC, "write");
    fd.writeAt(content, 0);
    fd.close();
}

std::string ReadWholeFile(const fs::path& file) {
    Fd fd(file, O_RDONLY, "read");
    std::string out(static_cast<std::size_t>(fd.size()), '\0');
    out.resize(fd.readAt(out.data(), out.size(), 0));
    return out;
}

}  // namespace gavlin
