// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "store/change_log/change_line.h"
#include "store/file_table.h"
#include "store/records.h"

namespace vm::access {

// The changes of User.List, each written with its line in the change log as one piece of
// journalled work (store/work_journal.h). Each opens and closes the file.

// Appends the user, stamping its DateCreated with the author's time (moved on while another user
// carries it). Returns false, writing nothing, when the list holds as many users as it can count.
bool addUser(store::FileTable& table, const store::ChangeAuthor& author, store::UserRecord& user);

// Writes the edited user over record n, keeping the DateCreated stored there (given back in
// `user`). The line names each changed field, and of the password only that it changed. A save
// that changes nothing writes nothing.
void saveUser(store::FileTable& table, const store::ChangeAuthor& author, std::int32_t n,
              store::UserRecord& user);

// Removes user n; removing the last user leaves no User.List.
void removeUser(store::FileTable& table, const store::ChangeAuthor& author, std::int32_t n);

}  // namespace vm::access
