// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/exit_cleanup.h"

#include <gtest/gtest.h>

#include "store/posix_file_system.h"
#include "support/fault_sweep.h"
#include "support/temp_folder.h"

using namespace vm::store;

TEST(ExitCleanup, RemovesOnlyTheEmptyDataFilesAndClosesEverything) {
  vm::test::TempFolder folder;
  PosixFileSystem fs;
  FileTable table(fs, folder.str());
  table.open(DataFile::Names);    // created empty by a list refresh
  table.open(DataFile::Courses);  // likewise, still open
  table.close(DataFile::Names);
  folder.write("User.Log", "");
  folder.write("Training.Records", std::string(300, 'x'));
  folder.write("User.List", std::string(500, 'u'));
  folder.write("Notes.txt", "");  // not a data file: left alone

  closeAndRemoveEmptyFiles(table);

  EXPECT_FALSE(table.isOpen(DataFile::Courses));
  EXPECT_FALSE(folder.has("Name.List"));
  EXPECT_FALSE(folder.has("Course.Index"));
  EXPECT_FALSE(folder.has("User.Log"));
  EXPECT_TRUE(folder.has("Training.Records"));
  EXPECT_TRUE(folder.has("User.List"));
  EXPECT_TRUE(folder.has("Notes.txt"));
}

TEST(ExitCleanup, AFaultAtAnyStepLeavesTheFilesWithContentAsTheyWere) {
  const auto count =
      vm::test::sweepFaults({[](const vm::test::TempFolder& folder) {
                               folder.write("Name.List", "");
                               folder.write("User.Log", "");
                               folder.write("User.List", std::string(500, 'u'));
                               folder.write("Training.Records", std::string(300, 't'));
                             },
                             [](FileTable& table) {
                               table.open(DataFile::Courses);  // made empty by a list, still open
                               closeAndRemoveEmptyFiles(table);
                             },
                             false,
                             [](const auto& now, const auto&, const auto&) {
                               EXPECT_EQ(now.at("User.List"), std::string(500, 'u'));
                               EXPECT_EQ(now.at("Training.Records"), std::string(300, 't'));
                             }});
  EXPECT_GE(count.failedCalls, 8);
}
