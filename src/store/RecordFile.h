#pragma once
// Operations on files of fixed-length records. A file is opened for one
// operation and closed at its end. Errors throw FileError naming the file.
//
// A file whose length is not a whole number of records holds its whole
// records; the partial tail is never read and the next append overwrites it.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/FileError.h"
#include "store/Records.h"

namespace gavlin {

namespace fs = std::filesystem;
using RecordNo = std::int64_t;

// --- raw byte records -------------------------------------------------------
RecordNo RecordCountRaw(const fs::path& file, int length);
std::string ReadRecordRaw(const fs::path& file, int length, RecordNo n);
// Calls fn(n, bytes) for records 1..count in order; fn returns false to stop.
void ForEachRecordRaw(const fs::path& file, int length,
                      const std::function<bool(RecordNo, std::string_view)>& fn);
void WriteRecordRaw(const fs::path& file, int length, RecordNo n, std::string_view bytes);
RecordNo AppendRecordRaw(const fs::path& file, int length, std::string_view bytes);
// Removes record s by copying the others through the ".$$$" file, which then
// replaces the record file in one atomic step. Removing the only record
// deletes the file.
void RemoveRecordRaw(const fs::path& file, int length, RecordNo s);
// Keeps the records for which keep(n, bytes) is true, in one atomic
// replacement through the ".$$$" file. Unlike RemoveRecord, keeping none
// leaves an empty file.
void KeepRecordsRaw(const fs::path& file, int length,
                    const std::function<bool(RecordNo, std::string_view)>& keep);

// The temporary copy used while records are removed: "auctions.dat" -> "auctions.$$$".
fs::path TemporaryCopyPath(const fs::path& file);

// Writes content to a temporary file in the same directory, flushes it, renames
// it over target and syncs the directory: target always holds either its old
// or its new content.
void ReplaceFileAtomically(const fs::path& target, const fs::path& temporary, std::string_view content);

// --- file operations --------------------------------------------------------
bool FileExists(const fs::path& file);
void DeleteFile(const fs::path& file);
void RenameFile(const fs::path& from, const fs::path& to);
// Writes a whole text file (truncating); used for pages, notices and work files.
void WriteWholeFile(const fs::path& file, std::string_view content);
std::string ReadWholeFile(const fs::path& file);

// --- typed records ------------------------------------------------------------
template <class R>
fs::path RecordPath(const fs::path& dir) { return dir / RecordFileName<R>(); }

template <class R>
RecordNo RecordCount(const fs::path& file) { return RecordCountRaw(file, R::Length); }

template <class R>
R ReadRecord(const fs::path& file, RecordNo n) { return DecodeRecord<R>(ReadRecordRaw(file, R::Length, n)); }

template <class R>
void ForEachRecord(const fs::path& file, const std::function<bool(RecordNo, const R&)>& fn) {
    ForEachRecordRaw(file, R::Length, [&](RecordNo n, std::string_view b) { return fn(n, DecodeRecord<R>(b)); });
}

template <class R>
std::vector<R> ReadAllRecords(const fs::path& file) {
    std::vector<R> out;
    ForEachRecordRaw(file, R::Length, [&](RecordNo, std::string_view b) {
        out.push_back(DecodeRecord<R>(b));
        return true;
    });
    return out;
}

template <class R>
void WriteRecord(const fs::path& file, RecordNo n, const R& r) { WriteRecordRaw(file, R::Length, n, EncodeRecord(r)); }

template <class R>
RecordNo AppendRecord(const fs::path& file, const R& r) { return AppendRecordRaw(file, R::Length, EncodeRecord(r)); }

template <class R>
void RemoveRecord(const fs::path& file, RecordNo s) { RemoveRecordRaw(file, R::Length, s); }

}  // namespace gavlin
