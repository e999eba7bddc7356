// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/history_rows.h"

#include <algorithm>

#include "format/date_text.h"
#include "format/number_text.h"
#include "format/trim.h"
#include "scan/folder_blocks.h"
#include "scan/link_index.h"
#include "scan/range_pass.h"
#include "store/field_codec.h"

namespace vm::training {

std::vector<records::NumberedTraining> historyRecords(store::FileTable& table, double personId,
                                                      const scan::PassOptions& pass) {
  const scan::LinkIndex person({&personId, 1});
  // Each range lists its own records, numbered from its first; the ranges' lists one after the
  // other are the file order.
  struct Part {
    scan::LinkIndex person;
    std::vector<records::NumberedTraining> found{};
    std::int32_t seen = 0;

    void ahead(std::span<const char>) const {}
    bool visit(std::span<const char> record) {
      const std::int32_t n = seen++;
      if (person.find(record) == 0)
        found.push_back({n, store::RecordTraits<store::TrainingRecord>::decode(record)});
      return true;
    }
  };
  scan::FolderBlocks blocks(table);
  std::vector<Part> parts = scan::passInRanges<Part>(blocks, pass, [&] { return Part{person}; });
  std::vector<records::NumberedTraining> found;
  const int ranges = static_cast<int>(parts.size());
  for (int r = 0; r < ranges; ++r) {
    const std::int32_t first = blocks.firstOf(r, ranges);
    for (records::NumberedTraining& record : parts[static_cast<std::size_t>(r)].found) {
      record.n += first;
      found.push_back(std::move(record));
    }
  }
  return found;
}

std::vector<HistoryRow> historyRows(std::span<const records::NumberedTraining> records) {
  std::vector<HistoryRow> rows;
  rows.reserve(records.size());
  for (const auto& [n, r] : records)
    rows.push_back({format::formatDate(r.TrainingDate), format::trim(r.CourseCode),
                    format::trim(r.CourseName), format::trim(r.ProvidedBy),
                    format::formatOneDecimal(r.Hours), format::trim(r.Comments),
                    format::formatYyyymmdd(r.TrainingDate), n});
  std::stable_sort(rows.begin(), rows.end(), [](const HistoryRow& a, const HistoryRow& b) {
    return a.dateSort < b.dateSort;
  });
  return rows;
}

}  // namespace vm::training
