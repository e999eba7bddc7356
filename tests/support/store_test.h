#pragma once

#include <gtest/gtest.h>

#include "store/file_table.h"
#include "support/temp_folder.h"
#include "support/test_file_system.h"

namespace vm::test {

// A test of the record store without windows: a file table over a fresh temporary data folder,
// on the test file system, so that any test can inject faults.
struct StoreTest : ::testing::Test {
  TempFolder folder;
  TestFileSystem fs;
  store::FileTable table{fs, folder.str()};
};

}  // namespace vm::test
