// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/linked_records.h"

#include <gtest/gtest.h>

#include <limits>

#include "store/record_layouts.h"
#include "support/store_test.h"

using namespace vm::store;

namespace {

struct PatchTest : vm::test::StoreTest {
  static constexpr std::size_t kCode = layout::training::CourseCode.offset;
  static constexpr std::size_t kLink = layout::training::CourseID.offset;

  // Training records whose CourseID is 7 where `linked` says so, 1 elsewhere.
  void write(const std::vector<bool>& linked) {
    std::vector<TrainingRecord> records;
    for (bool l : linked) {
      TrainingRecord t;
      t.CourseID = l ? 7.0 : 1.0;
      t.CourseCode = "OLD";
      records.push_back(t);
    }
    table.open(DataFile::Training);
    writer.append(records);
    table.close(DataFile::Training);
  }
  PassCount patch() {
    return patchLinked(writer, DataFile::Training, kLink, 7.0, kCode, "NEW     ");
  }
};

}  // namespace

TEST_F(PatchTest, NeighbouringRecordsAreWrittenTogetherAndUnchangedOnesNotAtAll) {
  std::vector<bool> linked(2000, true);
  linked[1000] = false;  // two runs: 1..1000 and 1002..2000
  write(linked);
  const int writes = fs.writes();
  EXPECT_EQ(patch().matched, 1999);
  // Runs of at most 512 records: 1000 records in 2 writes, 999 in 2 more.
  EXPECT_EQ(fs.writes() - writes, 4);
  const std::string after = folder.read("Training.Records");
  EXPECT_EQ(after.substr(kCode, 8), "NEW     ");
  EXPECT_EQ(after.substr(1000 * 300 + kCode, 8), "OLD     ");
  EXPECT_EQ(after.substr(1999 * 300 + kCode, 8), "NEW     ");

  const int again = fs.writes();
  EXPECT_EQ(patch().matched, 1999);  // done again, as the next start does
  EXPECT_EQ(fs.writes(), again);
  EXPECT_EQ(folder.read("Training.Records"), after);
}
