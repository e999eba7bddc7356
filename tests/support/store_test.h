#pragma once

#include <gtest/gtest.h>

#include "store/file_table.h"
#include "store/posix_file_system.h"
#include "support/temp_folder.h"

namespace vm::test {

// A test of the record store without windows: a file table over a fresh temporary data folder.
struct StoreTest : ::testing::Test {
  TempFolder folder;
  store::PosixFileSystem fs;
  store::FileTable table{fs, folder.str()};
};

}  // namespace vm::test
