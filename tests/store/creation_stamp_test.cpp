// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/creation_stamp.h"

#include <gtest/gtest.h>

#include "format/automation_date.h"
#include "store/posix_file_system.h"
#include "support/record_writer_for_tests.h"
#include "support/temp_folder.h"

using namespace vm::store;

TEST(CreationStamp, TwoRecordsSavedWithinOneSecondGetDifferentStamps) {
  vm::test::TempFolder folder;
  PosixFileSystem fs;
  FileTable table(fs, folder.str());
  const vm::format::DateTime now{2026, 12, 8, 10, 30, 59};
  const double first = uniqueCreationStamp(table, DataFile::Names, now);
  EXPECT_EQ(first, vm::format::toAutomationDate(now));
  EXPECT_FALSE(table.isOpen(DataFile::Names));

  table.open(DataFile::Names);
  NameRecord n;
  n.DateCreated = first;
  NameRecord later = n;
  later.DateCreated = vm::format::toAutomationDate({2026, 12, 8, 10, 31, 0});
  vm::test::writerOf(table).append(std::vector<NameRecord>{n, later});
  table.close(DataFile::Names);

  const double third = uniqueCreationStamp(table, DataFile::Names, now);
  EXPECT_EQ(vm::format::fromAutomationDate(third), (vm::format::DateTime{2026, 12, 8, 10, 31, 1}));
  // Courses are another file: the same moment is free there.
  EXPECT_EQ(uniqueCreationStamp(table, DataFile::Courses, now), first);
}
