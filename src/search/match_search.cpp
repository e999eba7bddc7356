// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/match_search.h"

#include "scan/link_index.h"
#include "scan/range_pass.h"
#include "search/text_criterion.h"
#include "store/field_codec.h"

namespace vm::search {

std::vector<int> matchSearch(store::FileTable& files, std::span<const double> personRows,
                             const MatchCriteria& criteria, const scan::PassOptions& pass) {
  namespace L = store::layout::training;
  using store::codec::rawText;
  const scan::LinkIndex listed(personRows);
  const TextCriterion code(criteria.courseCode);
  const TextCriterion comments(criteria.comments);

  // Whether each person has a record of the part's range that meets every criterion; once one
  // does, the person's other records are passed over before their text is touched.
  struct Part {
    const MatchCriteria& criteria;
    const TextCriterion& code;
    const TextCriterion& comments;
    scan::LinkIndex persons;
    std::vector<char> met;
    int unmet;

    // The date lies beside PersonID at the start of the record and is asked first; the texts
    // are read only for records of persons still unmet.
    bool inRange(std::span<const char> r) const {
      return !criteria.days || criteria.days->holds(store::codec::getDouble(r, L::TrainingDate));
    }
    void ahead(std::span<const char> r) const {
      if (inRange(r)) persons.prefetch(r);
    }
    bool visit(std::int32_t, std::span<const char> r) {
      if (!inRange(r)) return true;
      const int slot = persons.find(r);
      if (slot < 0 || met[static_cast<std::size_t>(slot)]) return true;
      if (!code.empty() && !code.metBy(rawText(r, L::CourseCode))) return true;
      if (!comments.empty() && !comments.metBy(rawText(r, L::Comments))) return true;
      met[static_cast<std::size_t>(slot)] = 1;
      return --unmet > 0;  // the range can tell nothing more
    }
  };
  std::vector<char> met(static_cast<std::size_t>(listed.persons()), 0);
  if (listed.persons() > 0) {
    for (const Part& part : scan::passInRanges<Part>(files, pass, [&] {
           return Part{criteria, code, comments, listed, met, listed.persons()};
         }))
      for (std::size_t slot = 0; slot < met.size(); ++slot) met[slot] |= part.met[slot];
  }

  const bool wanted = criteria.mode == MatchMode::Match;
  std::vector<int> found;
  for (std::size_t row = 0; row < personRows.size(); ++row)
    if (static_cast<bool>(met[static_cast<std::size_t>(listed.slotOfRow(row))]) == wanted)
      found.push_back(static_cast<int>(row));
  return found;
}

}  // namespace vm::search
