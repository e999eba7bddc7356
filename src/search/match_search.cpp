// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/match_search.h"

#include "scan/link_index.h"
#include "search/text_criterion.h"
#include "store/field_codec.h"

namespace vm::search {

std::vector<int> matchSearch(store::FileTable& files, std::span<const double> personRows,
                             const MatchCriteria& criteria, const scan::ScanProgress& progress) {
  namespace L = store::layout::training;
  using store::codec::rawText;
  scan::LinkIndex persons(personRows);
  // Whether each person has a record that meets every criterion; once one does, the person's
  // other records are passed over before their text is touched.
  std::vector<char> met(static_cast<std::size_t>(persons.persons()), 0);
  int unmet = persons.persons();
  const TextCriterion code(criteria.courseCode);
  const TextCriterion comments(criteria.comments);

  // The date lies beside PersonID at the start of the record and is asked first; the texts are
  // read only for records of persons still unmet.
  const auto inRange = [&](std::span<const char> r) {
    return !criteria.days || criteria.days->holds(store::codec::getDouble(r, L::TrainingDate));
  };
  if (unmet > 0) {
    scan::passOverTraining(
        files, progress,
        [&](std::span<const char> r) {
          if (inRange(r)) persons.prefetch(r);
        },
        [&](std::span<const char> r) {
          if (!inRange(r)) return true;
          const int slot = persons.find(r);
          if (slot < 0 || met[static_cast<std::size_t>(slot)]) return true;
          if (!code.empty() && !code.metBy(rawText(r, L::CourseCode))) return true;
          if (!comments.empty() && !comments.metBy(rawText(r, L::Comments))) return true;
          met[static_cast<std::size_t>(slot)] = 1;
          return --unmet > 0;
        });
  }

  const bool wanted = criteria.mode == MatchMode::Match;
  std::vector<int> found;
  for (std::size_t row = 0; row < personRows.size(); ++row)
    if (static_cast<bool>(met[static_cast<std::size_t>(persons.slotOfRow(row))]) == wanted)
      found.push_back(static_cast<int>(row));
  return found;
}

}  // namespace vm::search
