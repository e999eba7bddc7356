// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/user_rows.h"

#include "format/date_text.h"
#include "format/trim.h"
#include "store/access_levels.h"

namespace vm::access {

std::vector<UserRow> userRows(std::span<const store::UserRecord> users) {
  std::vector<UserRow> rows;
  rows.reserve(users.size());
  std::int32_t n = 0;
  for (const store::UserRecord& user : users) {
    const std::string first = format::trim(user.FirstName);
    const std::string last = format::trim(user.LastName);
    rows.push_back({first + " " + last, std::string(store::accessLevelName(user.AccessLevel)),
                    format::formatDate(user.DateCreated), userSortKey(first, last), ++n});
  }
  return rows;
}

std::string userSortKey(std::string_view firstName, std::string_view lastName) {
  return format::trim(lastName) + " " + format::trim(firstName);
}

}  // namespace vm::access
