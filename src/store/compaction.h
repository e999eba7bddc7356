#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "store/file_table.h"

namespace vm::store {

// Records are removed by writing a tombstone into the first text field of the doomed
// record and rewriting the file without tombstoned records, so a data file always holds
// only live records numbered 1 to count.
inline constexpr std::string_view kTombstone = "$Killed$";

// Whether the record's trimmed tombstone field reads "$Killed$".
bool isTombstoned(DataFile f, std::span<const char> record);

// Writes the tombstone into record n of the file (opening it when it is closed).
void mark(FileTable& table, DataFile f, std::int32_t n);

using KeepRecord = std::function<bool(std::span<const char> record)>;

// Copies every record that `keep` accepts, in order, into "TempFile.$$$", syncs it and
// renames it over the data file in one step, so that a failure at any point leaves either
// the old file or the new one. When nothing is kept the data file is removed. A leftover
// temporary file is discarded first. The data file is closed afterwards. Returns the
// number of records kept. Without a predicate, keeps every record without a tombstone.
std::int32_t compact(FileTable& table, DataFile f, const KeepRecord& keep = {});

// Mark followed by compact: removes record n and returns the new count.
std::int32_t removeRecord(FileTable& table, DataFile f, std::int32_t n);

}  // namespace vm::store
