#pragma once
// Pieces shared by the generators.
#include <filesystem>
#include <functional>
#include <string>

#include "html/PageGenerators.h"
#include "store/Records.h"

namespace gavlin {

inline const char* const kNoCategoriesMessage =
    "No Category Listings Found!  Enter some categories at the SYSTEM - CATEGORY MAINTENANCE Menu";
inline const char* const kNoAuctionsMessage = "No Auctions Found!";

// Missing, or shorter than 2 bytes: nothing worth generating from.
bool NearlyEmpty(const std::filesystem::path& file);

// The comment that tells which mode made the page: only exactly "N" is non-commercial.
std::string ModeComment(const ConfigRecord& config);

// The key by which items and categories meet: trimmed, upper case.
std::string CategoryKey(const std::string& name);
bool IsValidated(const std::string& flag);

// Runs body; a file error is shown as a message naming the file.
PageResult ReportFailures(Messenger& messenger, const std::function<PageResult()>& body);

}  // namespace gavlin
