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

namespace layout = store::layout::training;
using store::codec::getDouble;
using store::codec::getText;

std::vector<HistoryRow> readHistory(store::FileTable& table, double personId,
                                    const scan::PassOptions& pass) {
  const scan::LinkIndex person({&personId, 1});
  // Each range lists its own records, numbered from its first; the ranges' lists one after the
  // other are the file order.
  struct Part {
    scan::LinkIndex person;
    std::vector<HistoryRow> rows{};
    std::int32_t seen = 0;

    void ahead(std::span<const char>) const {}
    bool visit(std::span<const char> record) {
      const std::int32_t n = seen++;
      if (person.find(record) != 0) return true;
      const double date = getDouble(record, layout::TrainingDate);
      rows.push_back({format::formatDate(date), format::trim(getText(record, layout::CourseCode)),
                      format::trim(getText(record, layout::CourseName)),
                      format::trim(getText(record, layout::ProvidedBy)),
                      format::formatOneDecimal(store::codec::getSingle(record, layout::Hours)),
                      format::trim(getText(record, layout::Comments)), format::formatYyyymmdd(date),
                      n});
      return true;
    }
  };
  scan::FolderBlocks blocks(table);
  std::vector<Part> parts = scan::passInRanges<Part>(blocks, pass, [&] { return Part{person}; });
  std::vector<HistoryRow> rows;
  const int ranges = static_cast<int>(parts.size());
  for (int r = 0; r < ranges; ++r) {
    const std::int32_t first = blocks.firstOf(r, ranges);
    for (HistoryRow& row : parts[static_cast<std::size_t>(r)].rows) {
      row.recNum += first;
      rows.push_back(std::move(row));
    }
  }
  std::stable_sort(rows.begin(), rows.end(), [](const HistoryRow& a, const HistoryRow& b) {
    return a.dateSort < b.dateSort;
  });
  return rows;
}

}  // namespace vm::training
