// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "store/record_layouts.h"

namespace vm::scan {

// What a pass over the training records will look at, so that a store that can pick records out
// before handing them over (a database server, through its indexes) need not send the others.
// Every record the pass would take must still be handed over; a few more may be, for the pass
// decides on each record itself. An empty hint asks for every record.
struct TrainingHint {
  // Calendar days of TrainingDate, both ends included, counted as format::automationDay counts.
  std::optional<std::int64_t> firstDay;
  std::optional<std::int64_t> lastDay;
  std::string courseCode;  // a part of the code, as typed (UTF-8), in any letter case
  std::string comments;    // a part of the comments, likewise
  // The persons, by their DateCreated, whose records count; all when not given.
  std::optional<std::vector<double>> persons;
  // The fields the pass reads, all when empty: a store may hand over the others blank or zero,
  // and so send less.
  std::vector<store::layout::Field> fields;
  // Whether the pass's result depends on the order of the records (a sum does; which persons have
  // a record does not); when not, a store may hand them over in any order.
  bool inFileOrder = true;
  // Whether the pass asks only whether each person has a record that meets the hint (a search
  // does): a store may then hand over only some of the records of each person that seem to it to
  // meet the hint, and says so (TrainingBlocks::someOfEachPerson).
  bool anyOfPerson = false;
};

// The hint of a pass that takes the records of these persons alone.
inline TrainingHint personsHint(std::span<const double> persons) {
  TrainingHint hint;
  hint.persons.emplace(persons.begin(), persons.end());
  return hint;
}

// A block of whole records in the layout of Training.Records; false ends the range early.
using TrainingBlockVisit = std::function<bool(std::span<const char> block)>;

// The training records of one store for one pass, in file order unless the hint lets it go.
class TrainingBlocks {
 public:
  virtual ~TrainingBlocks() = default;
  // About how many records the pass reads: what its progress counts towards. A store that cannot
  // tell cheaply may estimate; a pass never reports more done than this.
  virtual std::int64_t count() const = 0;
  // How many ranges the records are best read in side by side; 1 when they come as one stream.
  virtual int ranges() const = 0;
  // Hands the records of range `range` (0-based) of `ranges` to `visit`, a block at a time; may
  // be called for different ranges from different threads at once when ranges() is above 1.
  virtual void scan(int range, int ranges, const TrainingBlockVisit& visit) = 0;

  // Whether, asked for anyOfPerson, the store hands over only some of each person's records that
  // seem to it to meet the hint; told before the pass reads the blocks.
  virtual bool someOfEachPerson() const { return false; }
  // Of a store that hands over only some: the blocks of every record of these persons (by their
  // DateCreated) that may meet the hint, for the persons whose records the pass turned down.
  virtual std::unique_ptr<TrainingBlocks> everyRecordOf(std::vector<double>) const {
    return nullptr;
  }
};

}  // namespace vm::scan
