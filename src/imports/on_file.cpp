// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/on_file.h"

#include <algorithm>
#include <bit>
#include <unordered_map>

#include "format/automation_date.h"
#include "scan/range_pass.h"
#include "store/compaction.h"
#include "store/field_codec.h"
#include "store/record_codec.h"
#include "store/record_layouts.h"

namespace vm::imports {
namespace {

struct Key {
  double person, course, date;
  bool operator==(const Key&) const = default;
};

struct KeyHash {
  std::size_t operator()(const Key& k) const {
    std::size_t h = 0;
    for (double d : {k.person, k.course, k.date})
      h = h * 1000003u ^ std::hash<std::uint64_t>{}(std::bit_cast<std::uint64_t>(d));
    return h;
  }
};

template <typename Record>
bool tombstoned(const Record& record) {
  return store::isTombstoned(store::RecordTraits<Record>::file, store::encoded(record));
}

}  // namespace

OnFile readOnFile(records::Records& records) {
  OnFile onFile;
  onFile.persons = records.persons();
  onFile.courses = records.courses();
  std::erase_if(onFile.persons, tombstoned<store::NameRecord>);
  std::erase_if(onFile.courses, tombstoned<store::CourseRecord>);
  return onFile;
}

std::vector<bool> trainingOnFile(scan::TrainingBlocks& blocks,
                                 std::span<const store::TrainingRecord> trainings) {
  std::vector<bool> found(trainings.size(), false);
  if (trainings.empty()) return found;
  using Asked = std::unordered_map<Key, std::size_t, KeyHash>;
  Asked asked;
  asked.reserve(trainings.size());
  for (std::size_t i = 0; i < trainings.size(); ++i)
    asked.emplace(Key{trainings[i].PersonID, trainings[i].CourseID, trainings[i].TrainingDate}, i);
  // Each range notes the records it found; they are few, and noting them shares nothing.
  struct Part {
    const Asked& asked;
    std::vector<std::size_t> hits{};

    void ahead(std::span<const char>) const {}
    bool visit(std::span<const char> r) {
      namespace t = store::layout::training;
      const auto at = asked.find(Key{store::codec::getDouble(r, t::PersonID),
                                     store::codec::getDouble(r, t::CourseID),
                                     store::codec::getDouble(r, t::TrainingDate)});
      if (at != asked.end()) hits.push_back(at->second);
      return true;
    }
  };
  for (const Part& part : scan::passInRanges<Part>(blocks, {}, [&] { return Part{asked}; }))
    for (const std::size_t i : part.hits) found[i] = true;
  return found;
}

scan::TrainingHint onFileHint(std::span<const store::TrainingRecord> trainings) {
  scan::TrainingHint hint;
  hint.persons.emplace();
  hint.persons->reserve(trainings.size());
  for (const store::TrainingRecord& t : trainings) {
    const std::int64_t day = format::automationDay(t.TrainingDate);
    hint.firstDay = std::min(hint.firstDay.value_or(day), day);
    hint.lastDay = std::max(hint.lastDay.value_or(day), day);
    hint.persons->push_back(t.PersonID);
  }
  return hint;
}

}  // namespace vm::imports
