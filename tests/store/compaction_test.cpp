// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/compaction.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "store/forwarding_file_system.h"
#include "store/work_journal.h"
#include "support/store_test.h"

using namespace vm::store;
using vm::test::removeRecord;

namespace {

CourseRecord course(const std::string& code, double created) {
  CourseRecord c;
  c.DateCreated = created;
  c.CourseCode = code;
  c.CourseName = "Course " + code;
  c.Hours = 1.5f;
  return c;
}

std::vector<std::string> codes(FileTable& table) {
  std::vector<std::string> out;
  const std::int32_t n = table.open(DataFile::Courses);
  for (std::int32_t i = 1; i <= n; ++i) out.push_back(table.read<CourseRecord>(i).CourseCode);
  table.close(DataFile::Courses);
  return out;
}

struct CompactionTest : vm::test::StoreTest {
  void writeCourses(const std::vector<std::string>& list) {
    std::vector<CourseRecord> courses;
    for (std::size_t i = 0; i < list.size(); ++i) courses.push_back(course(list[i], 100.0 + i));
    table.open(DataFile::Courses);
    writer.append(courses);
    table.close(DataFile::Courses);
  }
};

}  // namespace

TEST_F(CompactionTest, RemovingRecordThreeOfFiveKeepsTheOthersByteIdenticalAndInOrder) {
  writeCourses({"A", "B", "C", "D", "E"});
  const std::string before = folder.read("Course.Index");
  EXPECT_EQ(removeRecord(table, DataFile::Courses, 3), 4);
  const std::string after = folder.read("Course.Index");
  EXPECT_EQ(after, before.substr(0, 600) + before.substr(900));
  EXPECT_FALSE(table.isOpen(DataFile::Courses));
  EXPECT_FALSE(folder.has("TempFile.$$$"));
}

TEST_F(CompactionTest, RemovingTheOnlyRecordLeavesNoDataFile) {
  writeCourses({"ONLY"});
  EXPECT_EQ(removeRecord(table, DataFile::Courses, 1), 0);
  EXPECT_FALSE(folder.has("Course.Index"));
  EXPECT_FALSE(folder.has("TempFile.$$$"));
  EXPECT_EQ(table.open(DataFile::Courses), 0);  // the next open creates it empty
}

TEST_F(CompactionTest, ALiteralTombstoneIsDroppedWhicheverRecordTheCompactionWasFor) {
  writeCourses({"A", "$Killed$", "C", "D"});
  removeRecord(table, DataFile::Courses, 4);
  EXPECT_EQ(codes(table), (std::vector<std::string>{"A       ", "C       "}));
}

TEST_F(CompactionTest, TombstonesAreFoundInTheFirstTextFieldOfEveryRecordType) {
  table.open(DataFile::Users);
  UserRecord u;
  u.FirstName = "Kim";
  writer.append(std::vector<UserRecord>{u, u});
  EXPECT_EQ(removeRecord(table, DataFile::Users, 1), 1);

  table.open(DataFile::Names);
  NameRecord n;
  n.FirstName = " $Killed$ ";  // trimmed before comparing
  NameRecord ann = n;
  ann.FirstName = "Ann";
  writer.append(std::vector<NameRecord>{n, ann});
  EXPECT_EQ(compact(writer, DataFile::Names), 1);

  table.open(DataFile::Training);
  TrainingRecord t;
  t.CourseCode = "X";
  writer.append(std::vector<TrainingRecord>{t, t});
  EXPECT_EQ(removeRecord(table, DataFile::Training, 2), 1);
}

TEST_F(CompactionTest, ALeftoverTemporaryFileIsNotCarriedIntoTheNewFile) {
  writeCourses({"A", "B"});
  folder.write("TempFile.$$$", std::string(900, 'Z'));
  removeRecord(table, DataFile::Courses, 1);
  EXPECT_EQ(folder.read("Course.Index").size(), 300u);
  EXPECT_EQ(codes(table), std::vector<std::string>{"B       "});
}

TEST_F(CompactionTest, APredicateChoosesWhatIsKept) {
  std::vector<TrainingRecord> records;
  for (int i = 1; i <= 6; ++i) {
    TrainingRecord t;
    t.PersonID = i % 2 ? 7.5 : 8.25;
    t.CourseCode = "C" + std::to_string(i);
    records.push_back(t);
  }
  table.open(DataFile::Training);
  writer.append(records);
  table.close(DataFile::Training);
  const auto kept = compact(writer, DataFile::Training, [](std::span<const char> r) {
    return RecordTraits<TrainingRecord>::decode(r).PersonID != 7.5;
  });
  EXPECT_EQ(kept, 3);
  table.open(DataFile::Training);
  EXPECT_EQ(table.read<TrainingRecord>(1).CourseCode, "C2      ");
  EXPECT_EQ(table.read<TrainingRecord>(3).CourseCode, "C6      ");
}

namespace {

// Notes the calls that order a rewrite on the disk, and passes everything on.
class CallOrder final : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  std::vector<std::string> calls;

  Handle open(const std::string& path, Mode mode) override {
    const Handle h = ForwardingFileSystem::open(path, mode);
    names_[h] = std::filesystem::path(path).filename().string();
    return h;
  }
  void sync(Handle h) override {
    calls.push_back("flush " + names_[h]);
    ForwardingFileSystem::sync(h);
  }
  void rename(const std::string& from, const std::string& to) override {
    calls.push_back("rename");
    ForwardingFileSystem::rename(from, to);
  }
  void remove(const std::string& path) override {
    calls.push_back("remove " + std::filesystem::path(path).filename().string());
    ForwardingFileSystem::remove(path);
  }
  void syncFolder(const std::string& folder) override {
    calls.push_back("flush folder");
    ForwardingFileSystem::syncFolder(folder);
  }

 private:
  std::map<Handle, std::string> names_;
};

}  // namespace

// The journal is on the disk before the data file changes, the new file before it replaces the
// old one, the change log's line after it, and each change of the folder before the next step.
TEST_F(CompactionTest, ARemovalReachesTheDiskInAnOrderThatSurvivesAPowerCutAnywhere) {
  writeCourses({"A", "B", "C"});
  CallOrder order(fs);
  FileTable ordered(order, folder.str());
  removeRecord(ordered, DataFile::Courses, 2);
  EXPECT_EQ(order.calls, (std::vector<std::string>{
                             "flush Journal.$$$.new", "rename", "flush folder",
                             "flush TempFile.$$$", "rename", "flush folder", "flush Change.Log",
                             "flush folder", "remove Journal.$$$", "flush folder"}));
}
