// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/history_rows.h"

#include <algorithm>

#include "format/date_text.h"
#include "format/number_text.h"
#include "format/trim.h"
#include "scan/link_index.h"
#include "scan/training_pass.h"
#include "store/field_codec.h"

namespace vm::training {

namespace layout = store::layout::training;
using store::codec::getDouble;
using store::codec::getText;

std::vector<HistoryRow> readHistory(store::FileTable& table, double personId) {
  constexpr auto kTraining = store::DataFile::Training;
  if (!table.exists(kTraining)) return {};
  scan::LinkIndex person({&personId, 1});
  std::vector<HistoryRow> rows;
  std::int32_t n = 0;  // the pass hands the records over in file order
  scan::passOverTraining(
      table, {}, [](std::span<const char>) {},
      [&](std::span<const char> record) {
        ++n;
        if (person.find(record) != 0) return true;
        const double date = getDouble(record, layout::TrainingDate);
        rows.push_back({format::formatDate(date), format::trim(getText(record, layout::CourseCode)),
                        format::trim(getText(record, layout::CourseName)),
                        format::trim(getText(record, layout::ProvidedBy)),
                        format::formatOneDecimal(store::codec::getSingle(record, layout::Hours)),
                        format::trim(getText(record, layout::Comments)),
                        format::formatYyyymmdd(date), n});
        return true;
      });
  std::stable_sort(rows.begin(), rows.end(), [](const HistoryRow& a, const HistoryRow& b) {
    return a.dateSort < b.dateSort;
  });
  return rows;
}

}  // namespace vm::training
