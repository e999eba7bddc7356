// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "store/change_log/change_line.h"
#include "store/change_log/record_changes.h"
#include "store/record_layouts.h"
#include "store/record_store.h"
#include "store/records.h"

namespace vm::names {

// Persons as Name.List keeps them.
struct PersonKind {
  using Record = store::NameRecord;
  static store::Change added(const Record& person) { return store::personAdded(person); }
  static store::Change edited(const Record& before, const Record& after) {
    return store::personEdited(before, after);
  }
  // The line counts the training records that the first step drops.
  static store::Change removed(const Record& person) { return store::personDeleted(person, 0); }
  // A person's training records go first: should the removal of the person fail after them, the
  // person is still listed and removing the person again finishes the work, rather than leaving
  // training records that belong to nobody.
  static std::vector<store::WorkStep> goesWith(const Record& person) {
    return {store::DropLinked{store::DataFile::Training, store::layout::training::PersonID.offset,
                              person.DateCreated}};
  }
};

using PersonStore = store::RecordStore<PersonKind>;

}  // namespace vm::names
