#include "platform/Directory.h"

#include <algorithm>

#include "store/FileError.h"
#include "store/Text.h"

namespace gavlin {

std::vector<std::string> ListFilesEndingWith(const std::filesystem::path& dir, std::string_view suffix) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code typeError;
        if (EndsWithNoCase(name, suffix) && it->is_regular_file(typeError)) names.push_back(name);
    }
    if (ec) throw FileError(dir, "list", ec.value());
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
    return names;
}

}  // namespace gavlin
