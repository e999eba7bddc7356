// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/user_store.h"

#include "access/password.h"
#include "store/change_log/record_changes.h"

namespace vm::access {

store::Change UserKind::added(const Record& user) { return store::userAdded(user); }

store::Change UserKind::edited(const Record& before, const Record& after) {
  // The stored form of a password differs at every save; the password itself may not.
  return store::userEdited(
      before, after, UnscramblePassword(before.Password) != UnscramblePassword(after.Password));
}

store::Change UserKind::removed(const Record& user) { return store::userDeleted(user); }

}  // namespace vm::access
