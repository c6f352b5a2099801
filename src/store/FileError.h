#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>

namespace gavlin {

// A file operation that failed: the message names the file and what failed,
// ready to be shown to the operator.
class FileError : public std::runtime_error {
public:
    FileError(const std::filesystem::path& file, const std::string& action, int errnum);
    FileError(const std::filesystem::path& file, const std::string& message);
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
};

}  // namespace gavlin
