// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "store/data_files.h"

namespace vm::store {

// The steps of work that changes data files and must never be left half done (see
// work_journal.h). Every step but an addition can be done again without harm, so that work
// interrupted at any point is finished by doing all of its steps once more; an addition is
// either found whole or cut back.

// Writes one whole record over record `record`, in place (an edit).
struct PutRecord {
  DataFile file;
  std::int32_t record = 0;
  std::string bytes{};
};

// Appends whole records after the last one (an addition). Only the counts are written down, not
// the records: an addition found whole at the next start is done, any other is cut back to
// `countBefore` records and counts as not done. The counts are filled in when the work is
// written down.
struct AppendRecords {
  DataFile file;
  std::string bytes{};
  std::int32_t countBefore = 0;
  std::int32_t countAfter = 0;
};

// Removes record `record` by compacting the file without it.
// `countBefore` is filled in when the work is written down; a file found with fewer
// records has been compacted already, so the step is not done twice.
struct RemoveRecord {
  DataFile file;
  std::int32_t record = 0;
  std::int32_t countBefore = 0;
};

// Compacts the file without every record whose 8-byte link at `linkOffset` is `key`
// (a person's training records, by PersonID). `countBefore` is filled in when the work is
// written down, so that the number dropped is known again after an interruption; -1 in a
// journal of an older build, which did not write it down.
struct DropLinked {
  DataFile file;
  std::size_t linkOffset = 0;
  double key = 0;
  std::int32_t countBefore = -1;
};

// Writes the bytes `patch` at `offset` into every record whose link at `linkOffset` is
// `key` (a course's copies in its training records, by CourseID).
struct PatchLinked {
  DataFile file;
  std::size_t linkOffset = 0;
  double key = 0;
  std::size_t offset = 0;
  std::string patch{};
};

// Makes `bytes` (whole records) the file's content in one step, the way a compaction replaces a
// file: written to "TempFile.$$$", flushed, and renamed over the file; with no bytes the file
// goes. The journal holds the bytes, so the next start simply does it again.
struct ReplaceFile {
  DataFile file;
  std::string bytes{};
};

using WorkStep =
    std::variant<PutRecord, AppendRecords, RemoveRecord, DropLinked, PatchLinked, ReplaceFile>;

// What a step did.
struct StepResult {
  std::int32_t before = 0;   // records in the file before the step
  std::int32_t after = 0;    // records in it afterwards
  std::int32_t matched = 0;  // records written, appended, removed, dropped, patched or replaced
  bool done = true;          // false for an interrupted addition that was cut back
};

}  // namespace vm::store
