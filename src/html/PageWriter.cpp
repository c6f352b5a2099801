#include "html/PageWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include "store/FileError.h"
#include "store/RecordFile.h"
#include "store/Text.h"

namespace gavlin {

std::filesystem::path TemplatePath(const std::filesystem::path& dir, std::string_view name) {
    std::string trimmed = Trim(name);
    if (trimmed.empty()) trimmed = "foobar";
    return dir / trimmed;  // an absolute name replaces dir
}

std::string TemplateLines(std::string_view content) {
    std::string out;
    out.reserve(content.size() + content.size() / 16 + 2);
    std::size_t i = 0;
    while (i < content.size()) {
        std::size_t end = content.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            out.append(content.substr(i));
            out += "\r\n";
            break;
        }
        out.append(content.substr(i, end - i));
        out += "\r\n";
        i = end + 1;
        if (content[end] == '\r' && i < content.size() && content[i] == '\n') ++i;
    }
    return out;
}

const PageTemplate& TemplateCache::get(std::string_view name) {
    std::filesystem::path path = TemplatePath(dir_, name);
    auto [it, fresh] = cache_.try_emplace(path.string());
    if (fresh) {
        try {
            if (FileExists(path)) {
                it->second.lines = TemplateLines(ReadWholeFile(path));
                it->second.exists = true;
            }
        } catch (...) {
            cache_.erase(it);
            throw;
        }
    }
    return it->second;
}

void WritePage(const std::filesystem::path& file, std::string_view content) {
    DeleteFile(file);
    try {
        WriteWholeFile(file, content);
    } catch (const FileError&) {
        ::unlink(file.c_str());
        throw;
    }
}

void TouchFile(const std::filesystem::path& file) {
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd >= 0) ::close(fd);
}

}  // namespace gavlin
