// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "store/file_table.h"

namespace vm::store {

// "Change.Log" in the data folder: one line per change of a record file, a backup or a restore
// (change_line.h). It is only ever appended to, and never read to be written: work notes the
// log's length before it begins and writes its lines there once it is done (work_journal.h), so
// that work finished at the next start writes each line it owes exactly once.
inline constexpr std::string_view kChangeLogName = "Change.Log";

// The log's length now; 0 when there is none.
std::uint64_t changeLogEnd(const FileTable& table);

// Writes whole lines at `at`, the length the log had when their work began. Anything beyond it
// can only be part of these same lines, left by an interrupted append, and is cut off first; a log
// found shorter (replaced meanwhile) gets the lines at its end. The lines are flushed before this
// returns (with the folder entry of a new log), and a failure leaves none of them.
void appendChangeLines(FileTable& table, std::uint64_t at, std::string_view lines);

// Writes the whole line a restore owes the log (file_swap.h) exactly once, however often the
// restore is finished, and never at the cost of a byte the log held: at `at`, the log's length
// when the restore was written down, when what lies beyond it is a beginning of the line itself
// (left by an earlier try that was cut short); at the log's end when anything else lies there;
// and not at all when the whole line is there already.
void appendOwedLine(FileTable& table, std::uint64_t at, std::string_view line);

}  // namespace vm::store
