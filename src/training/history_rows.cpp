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

std::vector<records::NumberedTraining> historyRecords(store::FileTable& table, double personId,
                                                      const scan::PassOptions& pass) {
  constexpr auto kTraining = store::DataFile::Training;
  if (!table.exists(kTraining)) return {};
  const scan::LinkIndex person({&personId, 1});
  // Each range lists its own records; the ranges' lists one after the other are the file order.
  struct Part {
    scan::LinkIndex person;
    std::vector<records::NumberedTraining> found{};

    void ahead(std::span<const char>) const {}
    bool visit(std::int32_t n, std::span<const char> record) {
      if (person.find(record) == 0)
        found.push_back({n, store::RecordTraits<store::TrainingRecord>::decode(record)});
      return true;
    }
  };
  std::vector<records::NumberedTraining> found;
  for (Part& part : scan::passInRanges<Part>(table, pass, [&] { return Part{person}; }))
    std::move(part.found.begin(), part.found.end(), std::back_inserter(found));
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
