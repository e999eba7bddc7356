// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "store/change_log/change_line.h"
#include "store/file_table.h"
#include "store/work_journal.h"
#include "support/record_writer_for_tests.h"
#include "support/temp_folder.h"
#include "support/test_file_system.h"

namespace vm::test {

// A test of the record store without windows: a file table over a fresh temporary data folder,
// on the test file system, so that any test can inject faults.
struct StoreTest : ::testing::Test {
  TempFolder folder;
  TestFileSystem fs;
  store::FileTable table{fs, folder.str()};
  store::RecordWriter writer = writerOf(table);
};

// Who makes the changes of the store's tests, and when.
inline const store::ChangeAuthor kAuthor{"Dana Demo", {2026, 12, 8, 10, 30, 0}};

// Removes record n as every removal does, as journalled work with a line of its own
// ("record removed", the file and the number). Returns the new count.
inline std::int32_t removeRecord(store::FileTable& table, store::DataFile f, std::int32_t n) {
  const store::Change change{"record removed",
                             std::string(store::fileName(f)) + ' ' + std::to_string(n)};
  return store::doWork(table, kAuthor, {store::RemoveRecord{f, n}}, {&change, 1}).front().after;
}

}  // namespace vm::test
