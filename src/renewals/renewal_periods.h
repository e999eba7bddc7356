// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "records/records.h"
#include "store/change_log/change_line.h"
#include "store/file_table.h"

namespace vm::renewals {

// The longest period the program takes: the months box holds three digits.
inline constexpr int kMostMonths = 999;

// The renewal periods of Course.Renewal, by course. A course is found by its DateCreated under the
// link rule of the record files (the same number, or the same general number text).
class RenewalPeriods {
 public:
  // The months after which a training of the course lapses; 0 when it never does.
  int monthsOf(double courseId) const;
  bool empty() const { return months_.empty(); }

  // Gives the course a period (0 takes it away). A course listed twice in the file keeps the
  // first.
  void set(double courseId, int months);

 private:
  std::unordered_map<std::uint64_t, int> months_;  // by the link's number key
};

// The periods the records of Course.Renewal hold, in file order; a record with no months above 0
// gives none.
RenewalPeriods periodsOf(std::span<const store::RenewalRecord> records);
// The records of Course.Renewal in file order. A folder without the file has none, and reading
// leaves it without.
std::vector<store::RenewalRecord> renewalRecords(store::FileTable& table);

using PeriodChange = records::PeriodChange;

// Writes the changes into Course.Renewal as one atomic rewrite of the file: a course's record gets
// its new months (every other byte of it kept) or goes when the period is taken away, a course
// without a record gets one at the end, and the records of every other course stay as they are.
// When no period is left the file goes. The rewrite and the change log's lines for the periods
// that changed ("renewal period changed", the course, `Months: "12" -> "24"`, signed by `author`)
// are one piece of journalled work, so that a crash leaves the old file without the lines or the
// new one with them. Nothing is written when nothing changes. Returns the lines' changes, none
// when nothing was written.
std::vector<store::Change> savePeriodChanges(store::FileTable& table,
                                             const store::ChangeAuthor& author,
                                             std::span<const PeriodChange> changes);

}  // namespace vm::renewals
