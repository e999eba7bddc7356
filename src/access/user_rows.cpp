// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/user_rows.h"

#include "format/date_text.h"
#include "format/trim.h"
#include "store/access_levels.h"
#include "store/field_codec.h"

namespace vm::access {

namespace layout = store::layout::user;
using store::codec::getDouble;
using store::codec::getInt16;
using store::codec::getText;

std::vector<UserRow> readUserRows(store::FileTable& table) {
  if (!table.exists(store::DataFile::Users)) return {};
  const store::OpenFile file(table, store::DataFile::Users);
  std::vector<UserRow> rows;
  rows.reserve(static_cast<std::size_t>(file.count()));
  table.scan(
      store::DataFile::Users, 1, file.count(), [&](std::int32_t n, std::span<const char> record) {
        const std::string first = format::trim(getText(record, layout::FirstName));
        const std::string last = format::trim(getText(record, layout::LastName));
        rows.push_back({first + " " + last,
                        std::string(store::accessLevelName(getInt16(record, layout::AccessLevel))),
                        format::formatDate(getDouble(record, layout::DateCreated)),
                        userSortKey(first, last), n});
        return true;
      });
  return rows;
}

std::string userSortKey(std::string_view firstName, std::string_view lastName) {
  return format::trim(lastName) + " " + format::trim(firstName);
}

}  // namespace vm::access
