#include "mail/NewItemPageName.h"

#include <unordered_set>

#include "platform/Random.h"
#include "store/AppDir.h"
#include "store/RecordFile.h"
#include "store/Text.h"

namespace gavlin {

std::string NewItemPageName(const std::filesystem::path& appDir, const NameTaken& taken) {
    const auto html = HtmlDirectory(appDir);
    for (;;) {
        std::string name(8, 'a');
        for (char& c : name) c = static_cast<char>('a' + RandomBelow(26));
        name += ".htm";
        std::error_code ec;
        if (std::filesystem::exists(html / name, ec)) continue;
        if (taken && taken(name)) continue;
        return name;
    }
}

std::string NewItemPageName(const std::filesystem::path& appDir) {
    std::unordered_set<std::string> held;
    ForEachRecordRaw(RecordPath<AuctionRecord>(appDir), AuctionRecord::Length, [&](RecordNo, std::string_view b) {
        held.insert(UpperAscii(TrimView(b.substr(0, 12))));
        return true;
    });
    return NewItemPageName(appDir, [&](std::string_view name) { return held.count(UpperAscii(name)) > 0; });
}

}  // namespace gavlin
