// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/records.h"

namespace vm::access {

// The admin window's user list: three columns the user sees, then the sort key and the record
// number, which are never shown.
inline constexpr const char* kUserGridFormat =
    "<User List|<Access Level|^Date Created|NameSort|RecNum";
enum UserColumn {
  kUserName = 0,
  kUserLevel = 1,
  kUserCreated = 2,
  kUserSortKey = 3,
  kUserRecNum = 4
};

// One user as the list shows him, names trimmed.
struct UserRow {
  std::string name;         // "First Last"
  std::string accessLevel;  // the level's name, empty outside 1 to 4
  std::string dateCreated;  // mm/dd/yyyy
  std::string sortKey;      // see userSortKey
  std::int32_t recNum = 0;
};

// The list's rows of the users, numbered 1 on in the order given, whatever they hold.
std::vector<UserRow> userRows(std::span<const store::UserRecord> users);

// "Last First" of the trimmed names: the key the list is sorted on, and by which a saved user is
// found again after the list is rebuilt.
std::string userSortKey(std::string_view firstName, std::string_view lastName);

}  // namespace vm::access
