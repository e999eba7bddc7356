// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/file_table.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/fault_sweep.h"
#include "support/store_test.h"

using namespace vm::store;

namespace {

struct FileTableTest : vm::test::StoreTest {};

NameRecord person(const std::string& first, double created) {
  NameRecord n;
  n.DateCreated = created;
  n.FirstName = first;
  n.LastName = "Lee";
  n.Active = kActive;
  return n;
}

}  // namespace

TEST_F(FileTableTest, OpeningAMissingFileCreatesItEmpty) {
  EXPECT_FALSE(folder.has("Name.List"));
  EXPECT_EQ(table.open(DataFile::Names), 0);
  table.close(DataFile::Names);
  EXPECT_TRUE(folder.has("Name.List"));
  EXPECT_EQ(folder.read("Name.List").size(), 0u);
}

TEST_F(FileTableTest, CountRoundsTheLengthToTheNearestRecordWithHalvesToEven) {
  for (auto [bytes, count] : {std::pair{3000, 3}, {2500, 2}, {3500, 4}, {1400, 1}, {1600, 2}}) {
    folder.write("Name.List", std::string(static_cast<std::size_t>(bytes), ' '));
    EXPECT_EQ(table.open(DataFile::Names), count) << bytes << " bytes";
    table.close(DataFile::Names);
  }
}

TEST_F(FileTableTest, AppendsAfterTheLastRecordAndRewritesInPlaceButNeverBeyond) {
  table.open(DataFile::Names);
  writer.append(std::vector<NameRecord>{person("Ann", 1.0)});
  writer.append(std::vector<NameRecord>{person("Bob", 2.0)});
  EXPECT_EQ(table.count(DataFile::Names), 2);
  writer.write(1, person("Amy", 1.0));
  // A write is a rewrite: one beyond the last record (or before the first) is refused, never
  // taken as an addition.
  EXPECT_THROW(writer.write(3, person("Cy", 3.0)), StoreError);
  EXPECT_THROW(writer.write(0, person("Cy", 3.0)), StoreError);
  table.close(DataFile::Names);

  EXPECT_EQ(folder.read("Name.List").size(), 2000u);
  EXPECT_EQ(table.open(DataFile::Names), 2);
  EXPECT_EQ(table.read<NameRecord>(1).FirstName.substr(0, 3), "Amy");
  EXPECT_EQ(table.read<NameRecord>(2).FirstName.substr(0, 3), "Bob");
  table.close(DataFile::Names);
}

TEST_F(FileTableTest, OpeningAnOpenFileClosesTheEarlierHandleAndRecounts) {
  table.open(DataFile::Courses);
  CourseRecord c;
  c.CourseCode = "A";
  writer.append(std::vector<CourseRecord>{c});
  EXPECT_EQ(table.open(DataFile::Courses), 1);
  EXPECT_TRUE(table.isOpen(DataFile::Courses));
  table.close(DataFile::Courses);
  table.close(DataFile::Courses);  // closing a closed file does nothing
  EXPECT_FALSE(table.isOpen(DataFile::Courses));
}

TEST_F(FileTableTest, APartialLastRecordReadsAsZerosBeyondTheEnd) {
  folder.write("Course.Index", std::string(300, 'A') + std::string(200, 'B'));
  EXPECT_EQ(table.open(DataFile::Courses), 2);
  std::vector<char> bytes(300);
  table.readBytes(DataFile::Courses, 2, bytes);
  EXPECT_EQ(bytes[199], 'B');
  EXPECT_EQ(bytes[200], '\0');
  EXPECT_EQ(bytes[299], '\0');
}

TEST_F(FileTableTest, FilesWithSixteenBitCountsRefuseARecordBeyond32767) {
  folder.write("Name.List", std::string(32767u * 1000u, ' '));
  EXPECT_EQ(table.open(DataFile::Names), 32767);
  EXPECT_FALSE(table.canAppend(DataFile::Names));
  EXPECT_THROW(writer.write(32768, person("Over", 3.0)), RecordLimitError);
  table.close(DataFile::Names);
  EXPECT_EQ(folder.read("Name.List").size(), 32767u * 1000u);  // nothing was written

  folder.write("Training.Records", std::string(40000u * 300u, ' '));
  EXPECT_EQ(table.open(DataFile::Training), 40000);
  EXPECT_TRUE(table.canAppend(DataFile::Training));
}

TEST_F(FileTableTest, ScanVisitsEveryRecordInOrderAcrossBlocksAndMayStopEarly) {
  table.open(DataFile::Training);
  std::vector<TrainingRecord> records(1300);
  for (int i = 1; i <= 1300; ++i) records[i - 1].PersonID = i;
  writer.append(records);
  int expected = 1;
  table.scan(DataFile::Training, 1, 1300, [&](std::int32_t n, std::span<const char> bytes) {
    EXPECT_EQ(n, expected);
    EXPECT_EQ(RecordTraits<TrainingRecord>::decode(bytes).PersonID, expected);
    ++expected;
    return true;
  });
  EXPECT_EQ(expected, 1301);

  int visited = 0;
  table.scan(DataFile::Training, 1, 1300,
             [&](std::int32_t, std::span<const char>) { return ++visited < 10; });
  EXPECT_EQ(visited, 10);
}

TEST_F(FileTableTest, BlocksHoldWholeRecordsOnWholePagesOfMemory) {
  folder.write("Training.Records", std::string(2500u * 300u, 'x'));
  table.open(DataFile::Training);
  std::int32_t next = 5;
  table.scanBlocks(DataFile::Training, 5, 2400, [&](std::int32_t n, std::span<const char> block) {
    EXPECT_EQ(n, next);
    EXPECT_EQ(block.size() % 300, 0u);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block.data()) % 4096, 0u);
    next += static_cast<std::int32_t>(block.size() / 300);
    return true;
  });
  EXPECT_EQ(next, 2401);
  table.scanBlocks(DataFile::Training, 3, 2, [](std::int32_t, std::span<const char>) {
    ADD_FAILURE() << "an empty range has no block";
    return true;
  });
}

TEST_F(FileTableTest, AMissingFolderIsAStoreErrorWithTheSystemText) {
  FileTable elsewhere(fs, (folder / "no-such-folder").string());
  try {
    elsewhere.open(DataFile::Users);
    FAIL() << "open should fail";
  } catch (const StoreError& e) {
    EXPECT_EQ(e.systemText(), "No such file or directory");
  }
}

TEST_F(FileTableTest, StoredCountLooksWithoutMakingTheFile) {
  EXPECT_EQ(table.storedCount(DataFile::Courses), 0);
  EXPECT_FALSE(folder.has("Course.Index"));
  folder.write("Course.Index", std::string(750, 'c'));  // 2.5 records: halves to even
  EXPECT_EQ(table.storedCount(DataFile::Courses), 2);
}

namespace {

// Two persons on file, for sweeps that add or change one.
void twoPersons(const vm::test::TempFolder& folder) {
  vm::test::TestFileSystem fs;
  FileTable setUp(fs, folder.str());
  setUp.open(DataFile::Names);
  vm::test::writerOf(setUp).append(std::vector<NameRecord>{person("Ann", 1.0), person("Bob", 2.0)});
  setUp.close(DataFile::Names);
}

}  // namespace

// Adds, edits and appends of several records at once: whatever the disk does, a record is
// either wholly there or not at all (a failed add is cut back before it is reported), and an
// edit leaves the old record or the new one.
TEST(FileTableFaults, AddsAndEditsAreWhollyDoneOrNotAtAll) {
  const std::vector<std::pair<const char*, std::function<void(FileTable&)>>> operations = {
      {"add one",
       [](FileTable& t) {
         t.open(DataFile::Names);
         vm::test::writerOf(t).append(std::vector<NameRecord>{person("Cy", 3.0)});
       }},
      {"add several",
       [](FileTable& t) {
         t.open(DataFile::Names);
         vm::test::writerOf(t).append(
             std::vector<NameRecord>{person("Cy", 3.0), person("Di", 4.0), person("Ed", 5.0)});
       }},
      {"edit",
       [](FileTable& t) {
         t.open(DataFile::Names);
         NameRecord edited = person("Bea", 2.0);
         edited.Comments = "Moved to the night shift.";
         edited.Active = kInactive;  // the record's last bytes change too
         vm::test::writerOf(t).write(2, edited);
       }},
      {"first add to a new file",
       [](FileTable& t) {
         t.open(DataFile::Courses);
         CourseRecord c;
         c.CourseCode = "FA";
         vm::test::writerOf(t).append(std::vector<CourseRecord>{c});
       }},
  };
  for (const auto& [name, operation] : operations) {
    SCOPED_TRACE(name);
    const auto count = vm::test::sweepFaults({twoPersons, operation, {}});
    EXPECT_GE(count.failedCalls, 3);
    EXPECT_GE(count.powerCuts, 3);
  }
}

TEST_F(FileTableTest, AFailedAddIsCutBackBeforeItIsReportedAndTheCountStays) {
  twoPersons(folder);
  table.open(DataFile::Names);
  fs.cutWrite(1, 600);  // the disk fills after 600 of 3,000 bytes
  EXPECT_THROW(writer.append(std::vector<NameRecord>{person("Cy", 3.0), person("Di", 4.0),
                                                     person("Ed", 5.0)}),
               StoreError);
  fs.clearFaults();
  EXPECT_EQ(table.count(DataFile::Names), 2);
  table.close(DataFile::Names);
  EXPECT_EQ(folder.read("Name.List").size(), 2000u);
  EXPECT_EQ(table.open(DataFile::Names), 2);  // no half record rounds up into a third person
}
