// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/person_deletion.h"

#include <vector>

#include "store/change_log/record_changes.h"
#include "store/record_layouts.h"
#include "store/work_journal.h"

namespace vm::names {

std::int32_t removePerson(store::FileTable& table, const store::ChangeAuthor& author,
                          std::int32_t n) {
  using store::DataFile;
  store::NameRecord person;
  {
    const store::OpenFile names(table, DataFile::Names);
    person = table.read<store::NameRecord>(n);
  }
  const store::Change change = store::personDeleted(person, 0);
  const std::vector<store::StepResult> done =
      store::doWork(table, author,
                    {store::DropLinked{DataFile::Training, store::layout::training::PersonID.offset,
                                       person.DateCreated},
                     store::RemoveRecord{DataFile::Names, n}},
                    {&change, 1});
  return done.front().matched;
}

}  // namespace vm::names
