// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/work_journal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "store/journal_text.h"
#include "store/marker_file.h"
#include "store/record_codec.h"
#include "store/record_layouts.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"

using namespace vm::store;
using vm::test::removeRecord;
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
  RecordWriter writer = vm::test::writerOf(table);
  table.open(DataFile::Courses);
  writer.append(std::vector<CourseRecord>{course("A", 1), course("B", 2), course("C", 3),
                                          course("D", 4), course("E", 5)});
  table.open(DataFile::Names);
  writer.append(std::vector<NameRecord>{person("Ann", 10), person("Bob", 20), person("Cy", 30)});
  table.open(DataFile::Training);
  writer.append(std::vector<TrainingRecord>{training(10, "T1"), training(20, "T2"),
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

// Bob's deletion, as its line tells it: the count is the second step's.
const Change kBobDeleted{"person deleted", "Bob Lee", {}, Tally::TrainingRemoved, 1};

std::vector<StepResult> deleteBob(FileTable& table) {
  return doWork(table, vm::test::kAuthor, kPersonDeletion, {&kBobDeleted, 1});
}

const std::string kBobLine =
    "12/08/2026 10:30:00\tDana Demo\tperson deleted\tBob Lee\t2 training records removed\r\n";

struct WorkJournalTest : vm::test::StoreTest {};

}  // namespace

TEST_F(WorkJournalTest, APersonDeletionRemovesThePersonAndHisTrainingRecordsAndSaysSo) {
  smallOrganisation(folder);
  const auto results = deleteBob(table);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0].before, 3);
  EXPECT_EQ(results[0].after, 2);
  EXPECT_EQ(results[1].before, 5);
  EXPECT_EQ(results[1].matched, 2);
  EXPECT_EQ(codes(table), (std::vector<std::string>{"T1      ", "T3      ", "T4      "}));
  EXPECT_EQ(table.open(DataFile::Names), 2);
  EXPECT_EQ(table.read<NameRecord>(2).FirstName.substr(0, 2), "Cy");
  table.close(DataFile::Names);
  EXPECT_EQ(folder.read("Change.Log"), kBobLine);
  EXPECT_FALSE(folder.has("Journal.$$$"));
  EXPECT_FALSE(folder.has("TempFile.$$$"));
}

// Edits, additions and a line of its own (a backup's) are journalled work like removals; the
// lines of one piece of work go to the log's end in one write.
TEST_F(WorkJournalTest, EditsAdditionsAndBareLinesWriteTheirLinesAfterTheLogsEnd) {
  smallOrganisation(folder);
  folder.write("Change.Log", "earlier line\r\n");
  CourseRecord renamed = course("B2", 2);
  const Change edited{"course edited", "B", {"Course Code: \"B\" -> \"B2\""}};
  doWork(table, vm::test::kAuthor, {PutRecord{DataFile::Courses, 2, encoded(renamed)}},
         {&edited, 1});
  const std::vector<Change> credited = {{"training credited", "Ann"}, {"training credited", "Cy"}};
  const auto added = doWork(table, vm::test::kAuthor,
                            {AppendRecords{DataFile::Training, encoded(training(10, "N1")) +
                                                                   encoded(training(30, "N2"))}},
                            credited);
  EXPECT_EQ(added.front().after, 7);
  const Change backedUp{"data backed up", "/media/usb"};
  EXPECT_TRUE(doWork(table, vm::test::kAuthor, {}, {&backedUp, 1}).empty());

  EXPECT_EQ(table.storedCount(DataFile::Courses), 5);
  table.open(DataFile::Courses);
  EXPECT_EQ(table.read<CourseRecord>(2).CourseCode, "B2      ");
  table.close(DataFile::Courses);
  EXPECT_EQ(codes(table).back(), "N2      ");
  const std::string at = "12/08/2026 10:30:00\tDana Demo\t";
  EXPECT_EQ(folder.read("Change.Log"),
            "earlier line\r\n" + at + "course edited\tB\tCourse Code: \"B\" -> \"B2\"\r\n" + at +
                "training credited\tAnn\t\r\n" + at + "training credited\tCy\t\r\n" + at +
                "data backed up\t/media/usb\t\r\n");
}

TEST_F(WorkJournalTest, ARecordThatIsNotThereIsRefusedBeforeAnythingIsWritten) {
  smallOrganisation(folder);
  const auto before = vm::test::filesIn(folder);
  EXPECT_THROW(removeRecord(table, DataFile::Courses, 6), StoreError);
  EXPECT_THROW(removeRecord(table, DataFile::Courses, 0), StoreError);
  const Change edited{"course edited", "F"};
  EXPECT_THROW(doWork(table, vm::test::kAuthor,
                      {PutRecord{DataFile::Courses, 6, encoded(course("F", 6))}}, {&edited, 1}),
               StoreError);
  EXPECT_THROW(doWork(table, vm::test::kAuthor,
                      {ReplaceFile{DataFile::Courses, std::string(299, 'c')}}, {&edited, 1}),
               StoreError);
  EXPECT_EQ(vm::test::filesIn(folder), before);
}

// Every kind of work is finished or cut back by the next start wherever it was interrupted: the
// files, the change log among them, are then wholly as before or wholly as after, so that the
// log has a change's line exactly when it has the change, and its count is the one of a run
// without faults even when the interruption came after the records went.
TEST(WorkJournalFaults, WorkAndItsLinesAreFinishedOrNotBegunWhereverTheyStop) {
  const Change line{"a change", "its record", {"Field: \"old\" -> \"new\""}};
  const std::vector<std::pair<const char*, std::function<void(FileTable&)>>> operations = {
      {"course", [](FileTable& t) { EXPECT_EQ(removeRecord(t, DataFile::Courses, 3), 4); }},
      {"training record", [](FileTable& t) { removeRecord(t, DataFile::Training, 5); }},
      {"person and his training", [](FileTable& t) { deleteBob(t); }},
      {"edit",
       [&](FileTable& t) {
         doWork(t, vm::test::kAuthor, {PutRecord{DataFile::Names, 3, encoded(person("Cyd", 30))}},
                {&line, 1});
       }},
      {"addition",
       [&](FileTable& t) {
         doWork(t, vm::test::kAuthor,
                {AppendRecords{DataFile::Training,
                               encoded(training(10, "N1")) + encoded(training(20, "N2"))}},
                std::vector<Change>{line, line});
       }},
      {"whole file",
       [&](FileTable& t) {
         doWork(t, vm::test::kAuthor,
                {ReplaceFile{DataFile::Courses, encoded(course("Z", 9)) + encoded(course("Y", 8))}},
                {&line, 1});
       }},
      {"whole file, no records left",
       [&](FileTable& t) {
         doWork(t, vm::test::kAuthor, {ReplaceFile{DataFile::Names}}, {&line, 1});
       }},
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
    vm::test::writerOf(table).append(std::vector<UserRecord>{u});
  };
  vm::test::sweepFaults({oneUser, [](FileTable& t) { removeRecord(t, DataFile::Users, 1); }, true,
                         [](const auto& now, const auto&, const auto&) {
                           EXPECT_EQ(now.count("TempFile.$$$"), 0u);
                         }});
}

// The start-up recovery can itself be cut short, by a second crash; the start after it
// finishes the work all the same, and writes its line once.
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
    EXPECT_THROW(deleteBob(table), StoreError);
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
                           EXPECT_EQ(now.at("Change.Log"), kBobLine);
                         }});
}

TEST_F(WorkJournalTest, AJournalCutShortIsDroppedAndALeftoverTemporaryFileRemoved) {
  smallOrganisation(folder);
  const auto before = vm::test::filesIn(folder);
  folder.write("Journal.$$$", "Verdimark unfinished work\nremove Course.Index 2 5\n");  // no end
  folder.write("TempFile.$$$", std::string(900, 'Z'));
  // A checked journal or restore marker is written under another name and renamed into place
  // whole: what a crash cut short there is work that never began, not a changed file.
  const std::string checked =
      checkedText("Verdimark unfinished work\nremove Course.Index 2 5\nend\n");
  folder.write("Journal.$$$.new", checked.substr(0, checked.size() - 9));
  folder.write("Restore.$$$.new", checked.substr(0, 30));
  EXPECT_FALSE(finishInterruptedWork(table));
  EXPECT_EQ(vm::test::filesIn(folder), before);

  folder.write("Journal.$$$", "Verdimark unfinished work\nremove Course.Index 2 5\nend\n");
  EXPECT_TRUE(finishInterruptedWork(table));
  EXPECT_EQ(table.storedCount(DataFile::Courses), 4);
  EXPECT_FALSE(folder.has("Journal.$$$"));
  EXPECT_FALSE(folder.has("Change.Log"));      // an older build's work owes no line
  EXPECT_FALSE(finishInterruptedWork(table));  // nothing left to do
}

// What an append cut short by a power failure left beyond the log's end when the work began can
// only be part of the owed line: it goes, and the line is written whole.
TEST_F(WorkJournalTest, ThePartOfALineLeftByACrashGivesWayToTheWholeLine) {
  smallOrganisation(folder);
  folder.write("Change.Log", "earlier line\r\n12/08/2026 10:3");
  folder.write("Journal.$$$",
               "Verdimark unfinished work\nremove Course.Index 2 5\nlog 14\n"
               "line none 0 12/08/2026 10:30:00\tDana Demo\tcourse deleted\tB\t\nend\n");
  EXPECT_TRUE(finishInterruptedWork(table));
  EXPECT_EQ(folder.read("Change.Log"),
            "earlier line\r\n12/08/2026 10:30:00\tDana Demo\tcourse deleted\tB\t\r\n");
}

// An addition that did not reach the disk whole is cut back, and its line is not written.
TEST_F(WorkJournalTest, AnAdditionFoundTornIsCutBackWithoutItsLine) {
  smallOrganisation(folder);
  const auto before = vm::test::filesIn(folder);
  folder.write("Training.Records", before.at("Training.Records") + std::string(450, 'x'));
  folder.write("Journal.$$$",
               "Verdimark unfinished work\nappend Training.Records 5 7\nlog 0\n"
               "line none 0 a line that is not owed\nend\n");
  EXPECT_TRUE(finishInterruptedWork(table));
  EXPECT_EQ(vm::test::filesIn(folder), before);
}

// A journal or restore marker changed after it was written is refused at the next start, with a
// message that names it and says what to do, and nothing in the folder changes; the same files
// intact are finished as ever.
TEST_F(WorkJournalTest, UnfinishedWorkChangedAfterItWasWrittenIsRefusedAndNothingChanges) {
  smallOrganisation(folder);
  folder.write("TempFile.$$$", "left over");
  folder.write("Name.List.$$$", std::string(3000, 'x'));
  const std::string journal = checkedText(journalText({{RemoveRecord{DataFile::Courses, 2, 5}}}));
  const std::string marker = checkedText("Verdimark restore\nput Name.List\nend\n");
  for (const auto& [name, intact] :
       {std::pair<std::string, std::string>{"Journal.$$$", journal}, {"Restore.$$$", marker}}) {
    // The checksum's word, its digits and line end, the text's header, middle and end.
    for (const std::size_t at :
         {std::size_t{0}, std::size_t{10}, std::size_t{19}, std::size_t{26}, std::size_t{27},
          std::size_t{28}, intact.size() / 2, intact.size() - 2, intact.size() - 1}) {
      SCOPED_TRACE(name + ", byte " + std::to_string(at));
      std::string bytes = intact;
      bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
      folder.write(name, bytes);
      const auto before = vm::test::filesIn(folder);
      try {
        finishInterruptedWork(table);
        ADD_FAILURE() << "the work was done";
      } catch (const DamagedWorkError& e) {
        EXPECT_EQ(e.what(), "Cannot finish the unfinished work written down in \"" +
                                (folder / name).string() +
                                "\": the file was changed after it was written, so that work "
                                "cannot be finished safely. Restore the data folder from a backup, "
                                "or move \"" +
                                name +
                                "\" out of the data folder to give that work up; then start "
                                "Verdimark again.");
      }
      EXPECT_EQ(vm::test::filesIn(folder), before);
    }
    std::filesystem::remove(folder / name);
  }

  folder.write("Journal.$$$", journal);
  EXPECT_TRUE(finishInterruptedWork(table));
  EXPECT_EQ(table.storedCount(DataFile::Courses), 4);
  EXPECT_FALSE(folder.has("Name.List.$$$"));  // a staged copy without its marker goes
  folder.write("Name.List.$$$", std::string(3000, 'x'));
  folder.write("Restore.$$$", marker);
  EXPECT_TRUE(finishInterruptedWork(table));
  EXPECT_EQ(folder.read("Name.List"), std::string(3000, 'x'));
  EXPECT_FALSE(folder.has("Restore.$$$") || folder.has("TempFile.$$$"));
}
