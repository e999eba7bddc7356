// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/records.h"
#include "scan/training_pass.h"
#include "store/file_table.h"

namespace vm::training {

// The training history grid: five columns the user sees, then the comments (shown in their own
// box), the date sort key and the record number, which are never shown.
inline constexpr const char* kHistoryGridFormat =
    "<Course Date|<Course Code|<Name of Course|<Provided by|>Hours|Comments|DateSort|RecNum";
enum HistoryColumn {
  kDate = 0,
  kCode = 1,
  kName = 2,
  kProvider = 3,
  kHours = 4,
  kComments = 5,
  kDateSort = 6,
  kRecNum = 7
};

// One training record as the history lists it, texts trimmed.
struct HistoryRow {
  std::string date;  // "mm/dd/yyyy"
  std::string code;
  std::string name;
  std::string provider;
  std::string hours;     // "###.0"
  std::string comments;  // as stored, line breaks CR LF
  std::string dateSort;  // "yyyymmdd"
  std::int32_t recNum = 0;
};

// Every training record of Training.Records that links to the person whose DateCreated is
// `personId` (store/link_rule.h), in file order, with its record number. One sequential pass over
// the file in large blocks, its ranges read side by side; a missing file lists nothing and stays
// missing.
std::vector<records::NumberedTraining> historyRecords(store::FileTable& table, double personId,
                                                      const scan::PassOptions& pass = {});

// The history's rows of a person's training records, from the oldest training to the newest
// (records of one day keep the order given).
std::vector<HistoryRow> historyRows(std::span<const records::NumberedTraining> records);

}  // namespace vm::training
