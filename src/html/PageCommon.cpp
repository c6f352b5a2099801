#include "html/PageCommon.h"

#include <exception>

#include "store/RecordFile.h"
#include "store/Text.h"

namespace gavlin {

bool NearlyEmpty(const std::filesystem::path& file) {
    if (!FileExists(file)) return true;
    std::error_code ec;
    auto size = std::filesystem::file_size(file, ec);
    return !ec && size < 2;
}

std::string ModeComment(const ConfigRecord& config) {
    return config.CommercialMode == "N"
               ? "<!-- This Page Created by Orvantixs Gavlin 1.0 Running in NONCOMMERCIAL Mode -->"
               : "<!-- This Page Created by Orvantixs Gavlin 1.0 Running in COMMERCIAL Mode -->";
}

std::string CategoryKey(const std::string& name) {
    return UpperAscii(TrimView(name));
}

bool IsValidated(const std::string& flag) {
    return UpperAscii(flag) == "Y";
}

PageResult ReportFailures(Messenger& messenger, const std::function<PageResult()>& body) {
    try {
        return body();
    } catch (const std::exception& e) {
        messenger.show(e.what(), kAppTitle, MsgIcon::Critical, MsgButtons::Ok);
        return PageResult::Failed;
    }
}

}  // namespace gavlin
