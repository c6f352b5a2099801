#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "store/Records.h"

namespace gavlin {

struct PreparedDirectory {
    ConfigRecord config;                 // record 1 of config.dat, or the default record
    std::optional<std::string> problem;  // why config.dat could not be created, naming the file
};

// What start-up does to the application directory: a default config.dat when
// it is missing (an existing one is never touched) and the HTML sub-directory
// (a failure there is silent; the page generators report it when they write).
PreparedDirectory PrepareApplicationDirectory(const std::filesystem::path& dir);

// Record 1 of config.dat, read afresh; the default record when the file is missing or empty.
ConfigRecord ReadConfig(const std::filesystem::path& dir);

std::filesystem::path HtmlDirectory(const std::filesystem::path& dir);

}  // namespace gavlin
