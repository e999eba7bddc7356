// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/person_store.h"

#include "store/change_log/record_changes.h"
#include "store/creation_stamp.h"
#include "store/work_journal.h"

namespace vm::names {

using store::DataFile;

bool addPerson(store::FileTable& table, const store::ChangeAuthor& author,
               store::NameRecord& person) {
  {
    const store::OpenFile names(table, DataFile::Names);
    if (!table.canAppend(DataFile::Names)) return false;
    person.DateCreated = store::uniqueCreationStamp(table, DataFile::Names, author.when);
  }
  const std::string bytes = store::encoded(person);
  const store::Change change = store::personAdded(store::decoded<store::NameRecord>(bytes));
  store::doWork(table, author, {store::AppendRecords{DataFile::Names, bytes}}, {&change, 1});
  return true;
}

void savePerson(store::FileTable& table, const store::ChangeAuthor& author, std::int32_t n,
                store::NameRecord& person) {
  store::NameRecord before;
  {
    const store::OpenFile names(table, DataFile::Names);
    before = table.read<store::NameRecord>(n);
  }
  person.DateCreated = before.DateCreated;
  const std::string bytes = store::encoded(person);
  const store::Change change =
      store::personEdited(before, store::decoded<store::NameRecord>(bytes));
  if (change.details.empty()) return;
  store::doWork(table, author, {store::PutRecord{DataFile::Names, n, bytes}}, {&change, 1});
}

}  // namespace vm::names
