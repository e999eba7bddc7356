// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/history_rows.h"

#include <algorithm>
#include <iterator>

#include "format/date_text.h"
#include "format/number_text.h"
#include "format/trim.h"
#include "scan/link_index.h"
#include "scan/range_pass.h"
#include "store/field_codec.h"

namespace vm::training {

namespace layout = store::layout::training;
using store::codec::getDouble;
using store::codec::getText;

std::vector<HistoryRow> readHistory(store::FileTable& table, double personId,
                                    const scan::PassOptions& pass) {
  constexpr auto kTraining = store::DataFile::Training;
  if (!table.exists(kTraining)) return {};
  const scan::LinkIndex person({&personId, 1});
  // Each range lists its own records; the ranges' lists one after the other are the file order.
  struct Part {
    scan::LinkIndex person;
    std::vector<HistoryRow> rows{};

    void ahead(std::span<const char>) const {}
    bool visit(std::int32_t n, std::span<const char> record) {
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
  std::vector<HistoryRow> rows;
  for (Part& part : scan::passInRanges<Part>(table, pass, [&] { return Part{person}; }))
    std::move(part.rows.begin(), part.rows.end(), std::back_inserter(rows));
  std::stable_sort(rows.begin(), rows.end(), [](const HistoryRow& a, const HistoryRow& b) {
    return a.dateSort < b.dateSort;
  });
  return rows;
}

}  // namespace vm::training
