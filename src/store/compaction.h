// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "store/pass_progress.h"
#include "store/record_writer.h"

namespace vm::store {

// A data file always holds only live records numbered 1 to count: a removal rewrites the file
// without the doomed record (see RemoveRecord in work_step.h), and every rewrite also drops any
// record whose first text field holds the tombstone, as files written by other builds may.
inline constexpr std::string_view kTombstone = "$Killed$";

// Whether the record's trimmed tombstone field reads "$Killed$".
bool isTombstoned(DataFile f, std::span<const char> record);

using KeepRecord = std::function<bool(std::span<const char> record)>;

// Copies every record that `keep` accepts, visiting them once each in order, into
// "TempFile.$$$", flushes it and
// renames it over the data file in one step, then flushes the folder, so that a failure at
// any point leaves either the old file or the new one. When nothing is kept the data file is
// removed. A leftover temporary file is discarded first. The data file is closed afterwards.
// Returns the number of records kept. Without a predicate, keeps every record without a
// tombstone. A removal runs this as a step of journalled work (work_journal.h), so that the
// next start finishes it when it is interrupted. `progress` is told how far the copy has come
// (hits: the records left out); when it stops the copy (WorkStopped) the temporary file goes and
// the data file stays as it was.
std::int32_t compact(RecordWriter& writer, DataFile f, const KeepRecord& keep = {},
                     const PassProgress& progress = {});

// Makes the whole records given the file's content in one step, the way compact replaces a file:
// written to "TempFile.$$$", flushed, renamed over the data file, the folder flushed last; with no
// records the data file is removed. A failure at any point leaves either the old file or the new
// one. The data file is closed afterwards.
void replaceRecords(RecordWriter& writer, DataFile f, std::span<const char> records);

}  // namespace vm::store
