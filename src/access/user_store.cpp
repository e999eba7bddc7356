// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/user_store.h"

#include "access/password.h"
#include "store/change_log/record_changes.h"
#include "store/creation_stamp.h"
#include "store/work_journal.h"

namespace vm::access {

using store::DataFile;

bool addUser(store::FileTable& table, const store::ChangeAuthor& author, store::UserRecord& user) {
  {
    const store::OpenFile users(table, DataFile::Users);
    if (!table.canAppend(DataFile::Users)) return false;
    user.DateCreated = store::uniqueCreationStamp(table, DataFile::Users, author.when);
  }
  const std::string bytes = store::encoded(user);
  const store::Change change = store::userAdded(store::decoded<store::UserRecord>(bytes));
  store::doWork(table, author, {store::AppendRecords{DataFile::Users, bytes}}, {&change, 1});
  return true;
}

void saveUser(store::FileTable& table, const store::ChangeAuthor& author, std::int32_t n,
              store::UserRecord& user) {
  store::UserRecord before;
  {
    const store::OpenFile users(table, DataFile::Users);
    before = table.read<store::UserRecord>(n);
  }
  user.DateCreated = before.DateCreated;
  const std::string bytes = store::encoded(user);
  const auto after = store::decoded<store::UserRecord>(bytes);
  // The stored form of a password differs at every save; the password itself may not.
  const bool passwordChanged =
      UnscramblePassword(before.Password) != UnscramblePassword(after.Password);
  const store::Change change = store::userEdited(before, after, passwordChanged);
  if (change.details.empty()) return;
  store::doWork(table, author, {store::PutRecord{DataFile::Users, n, bytes}}, {&change, 1});
}

void removeUser(store::FileTable& table, const store::ChangeAuthor& author, std::int32_t n) {
  store::UserRecord user;
  {
    const store::OpenFile users(table, DataFile::Users);
    user = table.read<store::UserRecord>(n);
  }
  const store::Change change = store::userDeleted(user);
  store::doWork(table, author, {store::RemoveRecord{DataFile::Users, n}}, {&change, 1});
}

}  // namespace vm::access
