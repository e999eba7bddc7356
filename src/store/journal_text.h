// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/change_log/change_line.h"
#include "store/work_step.h"

namespace vm::store {

// The first line of a journal's text.
inline constexpr std::string_view kJournalHeader = "Verdimark unfinished work";

// A line of the change log that work owes until it is done (change_line.h).
struct PendingLine {
  Tally tally = Tally::None;
  std::size_t step = 0;  // the step whose result the tally counts
  std::string text{};    // Windows-1252, without tally and line end
};

// What the journal writes down: the steps, and the lines they owe the change log at the length it
// had when the work began.
struct Journal {
  std::vector<WorkStep> steps{};
  std::uint64_t logAt = 0;
  std::vector<PendingLine> lines{};
};

// The journal's text: a first line naming it, one line per step, the log's length and the owed
// lines, and a last line "end", so that a journal cut short by a crash is known as such (the file
// holds it behind its checksum line, marker_file.h):
//   Verdimark unfinished work
//   put Name.List 5 45123.5...(the record in hexadecimal)
//   append Training.Records 120 123
//   remove Name.List 5 120
//   drop Training.Records 8 45123.5 450
//   patch Training.Records 16 45100.5 24 46412D30322020...
//   replace Course.Renewal 0000E0E6F7E0E5400C00...(the records in hexadecimal; none: no file)
//   log 18312
//   line removed 0 12/08/2026 10:30:00<TAB>Dana Demo<TAB>person deleted<TAB>Ann Lee<TAB>
//   end
// Numbers read back exactly; records, patches and whole files are written in hexadecimal, the
// owed lines as they are (they hold no line breaks).
std::string journalText(const Journal& journal);

// The whole journal; nothing for one that is cut short, damaged or unknown, or whose steps do
// not fit their files' records.
std::optional<Journal> parseJournal(std::string_view text);

}  // namespace vm::store
