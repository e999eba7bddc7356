// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/match_search.h"

#include <atomic>
#include <memory>

#include "scan/link_index.h"
#include "scan/range_pass.h"
#include "search/text_criterion.h"
#include "store/field_codec.h"

namespace vm::search {

std::vector<int> matchSearch(scan::TrainingBlocks& blocks, std::span<const double> personRows,
                             const MatchCriteria& criteria, const scan::PassOptions& pass) {
  namespace L = store::layout::training;
  using store::codec::rawText;
  const scan::LinkIndex listed(personRows);
  const TextCriterion code(criteria.courseCode);
  const TextCriterion comments(criteria.comments);

  // Whether each person has a record that meets every criterion, shared by the ranges: a
  // person met in one range is passed over in all others before the record's text is touched,
  // and every range ends once everyone is met. A set that only fills up is the same whichever
  // range fills it first.
  const std::size_t slots = static_cast<std::size_t>(listed.persons());
  const std::unique_ptr<std::atomic<bool>[]> met(new std::atomic<bool>[slots]());
  std::atomic<int> unmet = listed.persons();
  // Of a store that hands over only some records of each person, the persons whose records were
  // turned down: they are asked for again, every record of theirs that may meet the criteria.
  const bool some = blocks.someOfEachPerson();
  const std::unique_ptr<std::atomic<bool>[]> doubted(some ? new std::atomic<bool>[slots]()
                                                          : nullptr);
  struct Part {
    const MatchCriteria& criteria;
    const TextCriterion& code;
    const TextCriterion& comments;
    std::atomic<bool>* met;
    std::atomic<int>& unmet;
    std::atomic<bool>* doubted;
    scan::LinkIndex persons;

    // The date lies beside PersonID at the start of the record and is asked first; the texts
    // are read only for records of persons still unmet.
    bool inRange(std::span<const char> r) const {
      return !criteria.days || criteria.days->holds(store::codec::getDouble(r, L::TrainingDate));
    }
    void ahead(std::span<const char> r) const {
      if (inRange(r)) persons.prefetch(r);
    }
    bool turnDown(std::span<const char> r) {
      if (!doubted) return true;
      const int slot = persons.find(r);
      if (slot >= 0) doubted[static_cast<std::size_t>(slot)].store(true, std::memory_order_relaxed);
      return true;
    }
    bool visit(std::span<const char> r) {
      if (!inRange(r)) return turnDown(r);
      const int slot = persons.find(r);
      if (slot < 0) return unmet.load(std::memory_order_relaxed) > 0;
      std::atomic<bool>& mine = met[static_cast<std::size_t>(slot)];
      if (mine.load(std::memory_order_relaxed)) return unmet.load(std::memory_order_relaxed) > 0;
      if (!code.empty() && !code.metBy(rawText(r, L::CourseCode))) return turnDown(r);
      if (!comments.empty() && !comments.metBy(rawText(r, L::Comments))) return turnDown(r);
      if (!mine.exchange(true, std::memory_order_relaxed))
        return unmet.fetch_sub(1, std::memory_order_relaxed) > 1;
      return true;
    }
  };
  if (slots > 0)
    scan::passInRanges<Part>(blocks, pass, [&] {
      return Part{criteria, code, comments, met.get(), unmet, doubted.get(), listed};
    });
  if (some) {
    std::vector<double> again;
    for (std::size_t row = 0; row < personRows.size(); ++row) {
      const auto slot = static_cast<std::size_t>(listed.slotOfRow(row));
      if (doubted[slot].exchange(false) && !met[slot].load()) again.push_back(personRows[row]);
    }
    if (!again.empty())
      scan::passInRanges<Part>(*blocks.everyRecordOf(std::move(again)), pass, [&] {
        return Part{criteria, code, comments, met.get(), unmet, nullptr, listed};
      });
  }

  const bool wanted = criteria.mode == MatchMode::Match;
  std::vector<int> found;
  for (std::size_t row = 0; row < personRows.size(); ++row)
    if (met[static_cast<std::size_t>(listed.slotOfRow(row))].load() == wanted)
      found.push_back(static_cast<int>(row));
  return found;
}

scan::TrainingHint matchHint(std::span<const double> persons, const MatchCriteria& criteria) {
  scan::TrainingHint hint = scan::personsHint(persons);
  if (criteria.days) {
    hint.firstDay = criteria.days->first();
    hint.lastDay = criteria.days->last();
  }
  hint.courseCode = criteria.courseCode;
  hint.comments = criteria.comments;
  namespace L = store::layout::training;
  hint.fields = {L::PersonID};
  if (criteria.days) hint.fields.push_back(L::TrainingDate);
  if (!criteria.courseCode.empty()) hint.fields.push_back(L::CourseCode);
  if (!criteria.comments.empty()) hint.fields.push_back(L::Comments);
  hint.inFileOrder = false;  // a person met by any record is met
  hint.anyOfPerson = true;
  return hint;
}

}  // namespace vm::search
