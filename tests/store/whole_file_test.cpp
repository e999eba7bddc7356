// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/whole_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "store/store_error.h"
#include "support/fault_sweep.h"
#include "support/temp_folder.h"
#include "support/test_file_system.h"

using namespace vm::store;
using vm::test::FolderFiles;
using vm::test::TempFolder;
using vm::test::TestFileSystem;

namespace {

const std::string kNew =
    "\xEF\xBB\xBF"
    "Course Code,Hours\r\nFA-101,8.0\r\n";

// Writes the list over the folder's files with a fault armed at k; whether the fault struck.
bool writeWithFault(const TempFolder& folder, const std::function<void(TestFileSystem&)>& arm) {
  TestFileSystem fs;
  arm(fs);
  try {
    writeWholeFile(fs, (folder / "list.csv").string(), kNew);
  } catch (const StoreError&) {
  } catch (const vm::test::PowerCut&) {
  }
  const bool struck = fs.faultReached();
  fs.clearFaults();
  return struck;
}

}  // namespace

TEST(WholeFile, WritesTheBytesUnderTheNameAndNothingBeside) {
  TempFolder folder;
  folder.write("list.csv.part", "a file of the user's");
  TestFileSystem fs;
  writeWholeFile(fs, (folder / "list.csv").string(), kNew);
  EXPECT_EQ(vm::test::filesIn(folder),
            (FolderFiles{{"list.csv", kNew}, {"list.csv.part", "a file of the user's"}}));
}

// Every failed call and every cut write leaves the folder as it was, or (when only the last flush
// of the folder fails) with the whole new list: never part of it, never a file beside it. A power
// cut leaves the old file or the whole new one.
TEST(WholeFile, AFailureAnywhereLeavesTheNameAsItWas) {
  for (const std::string& old : {std::string(), std::string("the old list\r\n")}) {
    SCOPED_TRACE(old.empty() ? "new file" : "replacing a file");
    const auto setUp = [&](const TempFolder& folder) {
      if (!old.empty()) folder.write("list.csv", old);
    };
    FolderFiles before;
    {
      TempFolder folder;
      setUp(folder);
      before = vm::test::filesIn(folder);
    }
    const std::function<void(TestFileSystem&, int)> faults[] = {
        [](TestFileSystem& fs, int k) { fs.failCall(k); },
        [](TestFileSystem& fs, int k) { fs.cutWrite(k, 1); },
        [](TestFileSystem& fs, int k) { fs.cutWrite(k, 20); },
    };
    for (const auto& fault : faults) {
      int k = 1;
      for (;; ++k) {
        TempFolder folder;
        setUp(folder);
        if (!writeWithFault(folder, [&](TestFileSystem& fs) { fault(fs, k); })) {
          EXPECT_EQ(folder.read("list.csv"), kNew);
          break;
        }
        const FolderFiles now = vm::test::filesIn(folder);
        const FolderFiles whole = {{"list.csv", kNew}};
        EXPECT_TRUE(now == before || now == whole) << "fault at " << k;
      }
      EXPECT_GT(k, 1);
    }
    for (int k = 1;; ++k) {
      TempFolder folder;
      setUp(folder);
      const bool struck = writeWithFault(folder, [&](TestFileSystem& fs) { fs.powerCutAt(k); });
      const std::string now = folder.read("list.csv");
      EXPECT_TRUE(now == old || now == kNew) << "power cut at " << k;
      if (!struck) break;
    }
  }
}

TEST(WholeFile, AFolderThatCannotBeWrittenGivesTheSystemsReason) {
  TempFolder folder;
  TestFileSystem fs;
  try {
    writeWholeFile(fs, (folder / "missing" / "list.csv").string(), kNew);
    FAIL() << "written into a missing folder";
  } catch (const StoreError& e) {
    EXPECT_EQ(e.systemText(), "No such file or directory");
  }
  EXPECT_TRUE(vm::test::filesIn(folder).empty());
}
