#include "store/FileError.h"

#include <cstring>

namespace gavlin {

FileError::FileError(const std::filesystem::path& file, const std::string& action, int errnum)
    : std::runtime_error("Could not " + action + " " + file.string() + ": " + std::strerror(errnum)),
      file_(file) {}

FileError::FileError(const std::filesystem::path& file, const std::string& message)
    : std::runtime_error(message), file_(file) {}

}  // namespace gavlin
