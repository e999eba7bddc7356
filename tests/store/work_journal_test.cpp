#include "store/work_journal.h"

#include <gtest/gtest.h>

#include <functional>

#include "store/record_layouts.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"

using namespace vm::store;
using vm::test::TempFolder;

namespace {

CourseRecord course(const std::string& code, double created) {
  CourseRecord c;
  c.DateCreated = created;
  c.CourseCode = code;
  c.CourseName = "Course " + code;
  c.Hours = 1.5f;
  return c;
}

NameRecord person(const std::string& first, double created) {
  NameRecord n;
  n.DateCreated = created;
  n.FirstName = first;
  n.LastName = "Lee";
  return n;
}

TrainingRecord training(double person, const std::string& code) {
  TrainingRecord t;
  t.PersonID = person;
  t.CourseID = 7.0;
  t.CourseCode = code;
  t.Comments = "for " + code;
  return t;
}

// Five courses, three persons and their training records, written as the program writes them.
void smallOrganisation(const TempFolder& folder) {
  vm::test::TestFileSystem fs;
  FileTable table(fs, folder.str());
  table.open(DataFile::Courses);
  table.append(std::vector<CourseRecord>{course("A", 1), course("B", 2), course("C", 3),
                                         course("D", 4), course("E", 5)});
  table.open(DataFile::Names);
  table.append(std::vector<NameRecord>{person("Ann", 10), person("Bob", 20), person("Cy", 30)});
  table.open(DataFile::Training);
  table.append(std::vector<TrainingRecord>{training(10, "T1"), training(20, "T2"),
                                           training(10, "T3"), training(30, "T4"),
                                           training(20, "T5")});
  table.closeAll();
}

std::vector<std::string> codes(FileTable& table) {
  std::vector<std::string> out;
  const std::int32_t n = table.open(DataFile::Training);
  for (std::int32_t i = 1; i <= n; ++i) out.push_back(table.read<TrainingRecord>(i).CourseCode);
  table.close(DataFile::Training);
  return out;
}

const std::vector<WorkStep> kPersonDeletion = {
    RemoveRecord{DataFile::Names, 2},
    DropLinked{DataFile::Training, layout::training::PersonID.offset, 20}};

struct WorkJournalTest : vm::test::StoreTest {};

}  // namespace

TEST_F(WorkJournalTest, APersonDeletionRemovesThePersonAndHisTrainingRecordsAndLeavesNoJournal) {
  smallOrganisation(folder);
  const auto results = doWork(table, kPersonDeletion);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0].before, 3);
  EXPECT_EQ(results[0].after, 2);
  EXPECT_EQ(results[1].before, 5);
  EXPECT_EQ(results[1].matched, 2);
  EXPECT_EQ(codes(table), (std::vector<std::string>{"T1      ", "T3      ", "T4      "}));
  EXPECT_EQ(table.open(DataFile::Names), 2);
  EXPECT_EQ(table.read<NameRecord>(2).FirstName.substr(0, 2), "Cy");
  table.close(DataFile::Names);
  EXPECT_FALSE(folder.has("Journal.$$$"));
  EXPECT_FALSE(folder.has("TempFile.$$$"));
}

TEST_F(WorkJournalTest, ARecordThatIsNotThereIsRefusedBeforeAnythingIsWritten) {
  smallOrganisation(folder);
  const auto before = vm::test::filesIn(folder);
  EXPECT_THROW(removeRecord(table, DataFile::Courses, 6), StoreError);
  EXPECT_THROW(removeRecord(table, DataFile::Courses, 0), StoreError);
  EXPECT_EQ(vm::test::filesIn(folder), before);
}

// Every removal, and a person's deletion with its two compactions, is finished by the next
// start wherever it was interrupted: the files are then wholly as before or wholly as after.
TEST(WorkJournalFaults, RemovalsAreFinishedOrNotBegunWhereverTheyStop) {
  const std::vector<std::pair<const char*, std::function<void(FileTable&)>>> operations = {
      {"course", [](FileTable& t) { EXPECT_EQ(removeRecord(t, DataFile::Courses, 3), 4); }},
      {"training record", [](FileTable& t) { removeRecord(t, DataFile::Training, 5); }},
      {"person and his training", [](FileTable& t) { doWork(t, kPersonDeletion); }},
  };
  for (const auto& [name, operation] : operations) {
    SCOPED_TRACE(name);
    const auto count = vm::test::sweepFaults({smallOrganisation, operation, true});
    EXPECT_GE(count.powerCuts, 10);
    EXPECT_GE(count.cutWrites, 4);
  }
}

TEST(WorkJournalFaults, RemovingTheOnlyRecordLeavesNoFileWhereverItStops) {
  const auto oneUser = [](const TempFolder& folder) {
    vm::test::TestFileSystem fs;
    FileTable table(fs, folder.str());
    table.open(DataFile::Users);
    UserRecord u;
    u.FirstName = "Kim";
    table.write(1, u);
  };
  vm::test::sweepFaults({oneUser, [](FileTable& t) { removeRecord(t, DataFile::Users, 1); }, true,
                         [](const auto& now, const auto&, const auto&) {
                           EXPECT_EQ(now.count("TempFile.$$$"), 0u);
                         }});
}

// The start-up recovery can itself be cut short, by a second crash; the start after it
// finishes the work all the same.
TEST(WorkJournalFaults, AnInterruptedRecoveryIsFinishedByTheNextStart) {
  // A deletion stopped after the person's removal, during the compaction of the training records:
  // found once, then written afresh for every run.
  vm::test::FolderFiles stopped;
  for (int k = 1; k < 200 && stopped.empty(); ++k) {
    TempFolder folder;
    smallOrganisation(folder);
    vm::test::TestFileSystem fs;
    FileTable table(fs, folder.str());
    fs.failCall(k);
    EXPECT_THROW(doWork(table, kPersonDeletion), StoreError);
    fs.clearFaults();
    if (folder.has("Journal.$$$") && table.storedCount(DataFile::Names) == 2)
      stopped = vm::test::filesIn(folder);
  }
  ASSERT_FALSE(stopped.empty()) << "the deletion never stopped in its second step";
  const auto interruptedDeletion = [&stopped](const TempFolder& folder) {
    for (const auto& [name, bytes] : stopped) folder.write(name, bytes);
  };
  vm::test::sweepFaults({interruptedDeletion, [](FileTable& t) { finishInterruptedWork(t); }, true,
                         [](const auto& now, const auto&, const auto& after) {
                           EXPECT_EQ(now, after);  // never back to before: the work goes on
                         }});
}

TEST_F(WorkJournalTest, AJournalCutShortIsDroppedAndALeftoverTemporaryFileRemoved) {
  smallOrganisation(folder);
  const auto before = vm::test::filesIn(folder);
  folder.write("Journal.$$$", "Verdimark unfinished work\nremove Course.Index 2 5\n");  // no end
  folder.write("TempFile.$$$", std::string(900, 'Z'));
  EXPECT_FALSE(finishInterruptedWork(table));
  EXPECT_EQ(vm::test::filesIn(folder), before);

  folder.write("Journal.$$$", "Verdimark unfinished work\nremove Course.Index 2 5\nend\n");
  EXPECT_TRUE(finishInterruptedWork(table));
  EXPECT_EQ(table.storedCount(DataFile::Courses), 4);
  EXPECT_FALSE(folder.has("Journal.$$$"));
  EXPECT_FALSE(finishInterruptedWork(table));  // nothing left to do
}
