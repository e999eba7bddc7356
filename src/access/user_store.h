// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/change_log/change_line.h"
#include "store/record_store.h"
#include "store/records.h"

namespace vm::access {

// Users as User.List keeps them. An edit's line names each changed field, and of the password
// only that it changed.
struct UserKind {
  using Record = store::UserRecord;
  static store::Change added(const Record& user);
  static store::Change edited(const Record& before, const Record& after);
  static store::Change removed(const Record& user);
};

using UserStore = store::RecordStore<UserKind>;

}  // namespace vm::access
