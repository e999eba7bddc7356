// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/user_rows.h"

#include <gtest/gtest.h>

#include "access/user_bytes.h"
#include "app/folder_records.h"
#include "support/store_test.h"

using namespace vm::access;
using vm::test::stamp;
using vm::test::userRecordBytes;

namespace {

struct UserRowsTest : vm::test::StoreTest {};

}  // namespace

TEST_F(UserRowsTest, ListsEveryUserInFileOrderWithTrimmedNamesLevelAndDate) {
  folder.write("User.List",
               userRecordBytes(stamp(2005, 3, 14, 14, 7), "  Amy", "Baker ", "x", 4) +
                   userRecordBytes(stamp(2004, 1, 2), "Jos\xE9", "\xC1lvarez", "x", 1) +
                   userRecordBytes(stamp(2006, 11, 30), "Odd", "Level", "x", 9) +
                   userRecordBytes(stamp(2007, 5, 6), "", "", "x", 0));

  const auto rows = userRows(vm::app::FolderRecords(table).users());

  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].name, "Amy Baker");
  EXPECT_EQ(rows[0].accessLevel, "Read/Edit/Add/Delete");
  EXPECT_EQ(rows[0].dateCreated, "03/14/2005");
  EXPECT_EQ(rows[0].sortKey, "Baker Amy");
  EXPECT_EQ(rows[1].name, "José Álvarez");  // stored in Windows-1252, listed in UTF-8
  EXPECT_EQ(rows[1].accessLevel, "Read Only");
  EXPECT_EQ(rows[2].accessLevel, "");  // a level another program wrote outside 1 to 4
  EXPECT_EQ(rows[3].name, " ");
  EXPECT_EQ(rows[3].sortKey, " ");
  for (int n = 0; n < 4; ++n) EXPECT_EQ(rows[static_cast<std::size_t>(n)].recNum, n + 1);
  EXPECT_FALSE(table.isOpen(vm::store::DataFile::Users));
}

TEST_F(UserRowsTest, AMissingUserListListsNobodyAndStaysMissing) {
  EXPECT_TRUE(userRows(vm::app::FolderRecords(table).users()).empty());
  EXPECT_FALSE(folder.has("User.List"));
  EXPECT_EQ(userSortKey(" Ann ", " Lee  "), "Lee Ann");
}
