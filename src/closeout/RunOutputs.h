#pragma once
// The files a maintenance run adds beside auctions.dat: notice files and
// archive entries. They are remembered so that a run that cannot replace
// auctions.dat takes them back again; otherwise the next run, which finds the
// same ended auctions, would send every notice twice and archive every
// auction twice.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace gavlin {

class RunOutputs {
public:
    explicit RunOutputs(std::filesystem::path dir) : dir_(std::move(dir)) {}

    // Creates a new notice file in the directory under eight random letters
    // and ".out"; a name that is taken is drawn again, so no file is ever
    // overwritten. Returns the name.
    std::string writeNotice(std::string_view content);

    // Appends to the archive file of the current year ("2000.old").
    void appendArchive(std::string_view entry);

    // Puts everything written so far on disk, so that it cannot be lost once
    // auctions.dat no longer holds the auctions.
    void makeDurable() const;

    // Removes the notice files and cuts the archive files back to their
    // length before the run. Returns what could not be undone (empty when all was).
    std::string undo() noexcept;

    bool wroteAnything() const { return !notices_.empty() || !archiveLengths_.empty(); }
    const std::vector<std::filesystem::path>& notices() const { return notices_; }

private:
    std::filesystem::path dir_;
    std::vector<std::filesystem::path> notices_;
    std::map<std::filesystem::path, std::int64_t> archiveLengths_;  // -1: the file did not exist
};

}  // namespace gavlin
