// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "store/change_log/change_line.h"
#include "store/creation_stamp.h"
#include "store/file_table.h"
#include "store/record_codec.h"
#include "store/work_journal.h"

namespace vm::store {

// What a record store needs to know of one kind of record beyond its type (whose file the record
// codec names): the change log's lines for an addition, an edit and a removal, made from the
// records as stored, so that they name what a reader of the file will find. A kind whose records
// take others with them when they go (a person's training records) says so in `goesWith`.
// The steps of a removal: what goes with the record, then the record.
std::vector<WorkStep> removalSteps(std::vector<WorkStep> goingWith, DataFile file, std::int32_t n);

template <typename Kind>
concept RecordKind = requires(const typename Kind::Record& r) {
  { Kind::added(r) } -> std::same_as<Change>;
  { Kind::edited(r, r) } -> std::same_as<Change>;
  { Kind::removed(r) } -> std::same_as<Change>;
};

template <typename Kind>
concept TakesOthersAlong = requires(const typename Kind::Record& r) {
  { Kind::goesWith(r) } -> std::same_as<std::vector<WorkStep>>;
};

// The additions, edits and removals of one record file (users, persons, courses), each written with
// its line in the change log as one piece of journalled work (work_journal.h). Each opens and
// closes the file. Callers know a record by what these give back, not by how it is kept.
template <RecordKind Kind>
class RecordStore {
 public:
  using Record = typename Kind::Record;
  static constexpr DataFile kFile = RecordTraits<Record>::file;

  explicit RecordStore(FileTable& table) : table_(table) {}

  Record read(std::int32_t n) const {
    const OpenFile file(table_, kFile);
    return table_.template read<Record>(n);
  }

  // Appends the record, its DateCreated stamped with the author's time (moved on while another
  // record of the file carries it), and gives it back so stamped. Nothing, and nothing written,
  // when the file holds as many records as it can count.
  std::optional<Record> add(const ChangeAuthor& author, Record record) const {
    {
      const OpenFile file(table_, kFile);
      if (!table_.canAppend(kFile)) return std::nullopt;
      record.DateCreated = uniqueCreationStamp(table_, kFile, author.when);
    }
    std::string bytes = encoded(record);
    const Change change = Kind::added(decoded<Record>(bytes));
    doWork(table_, author, {AppendRecords{kFile, std::move(bytes)}}, {&change, 1});
    return record;
  }

  // Writes the edited record over record n, keeping the DateCreated stored there, and gives it back
  // with that DateCreated. A save that changes nothing writes nothing.
  Record save(const ChangeAuthor& author, std::int32_t n, Record record) const {
    const Record before = read(n);
    record.DateCreated = before.DateCreated;
    std::string bytes = encoded(record);
    const Change change = Kind::edited(before, decoded<Record>(bytes));
    if (!change.details.empty())
      doWork(table_, author, {PutRecord{kFile, n, std::move(bytes)}}, {&change, 1});
    return record;
  }

  // Removes record n, after what goes with it, all in one piece of work; removing the last record
  // leaves no file. Returns what each step did, the removal of record n last. `progress` is told
  // how the longest part, the first step, goes, and may stop the removal (see doWork).
  std::vector<StepResult> remove(const ChangeAuthor& author, std::int32_t n,
                                 const PassProgress& progress = {}) const {
    const Record record = read(n);
    std::vector<WorkStep> goingWith;
    if constexpr (TakesOthersAlong<Kind>) goingWith = Kind::goesWith(record);
    const Change change = Kind::removed(record);
    return doWork(table_, author, removalSteps(std::move(goingWith), kFile, n), {&change, 1},
                  progress);
  }

 private:
  FileTable& table_;
};

}  // namespace vm::store
