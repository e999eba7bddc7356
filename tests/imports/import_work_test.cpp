// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/import_work.h"

#include <gtest/gtest.h>

#include "app/folder_records.h"
#include "imports/on_file.h"
#include "imports/workbook_builder.h"
#include "scan/folder_blocks.h"
#include "store/record_codec.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"

namespace vm::imports {
namespace {

using test::sheetOf;

const format::DateTime kNow{2026, 12, 8, 10, 30, 0};

store::NameRecord annLee() {
  store::NameRecord p;
  p.DateCreated = 40000;
  p.FirstName = "Ann";
  p.LastName = "Lee";
  p.EmployeeID = "E-1";
  p.Active = store::kActive;
  return p;
}

// Ann Lee on file; a new person, a new course, and three training records, one on file already.
void setUp(const test::TempFolder& folder) {
  folder.write("Name.List", store::encoded(annLee()));
  store::TrainingRecord t;
  t.PersonID = 40000;
  t.CourseID = format::toAutomationDate(kNow);  // the stamp the new course will get
  t.TrainingDate = format::automationDateOf(2004, 3, 15);
  t.CourseCode = "OLD";
  folder.write("Training.Records", store::encoded(t));
}

const sheets::Workbook kBook{{
    sheetOf("Training", {{"Employee ID", "First Name", "Last Name", "Course Code", "Course Name",
                          "Hours", "Date", "Comments"},
                         {"E-1", "", "", "FA-2", "First Aid", "2.5", "03/15/2004", "on file"},
                         {"E-1", "", "", "FA-2", "First Aid", "2.5", "03/16/2004", "Passed"},
                         {"", "Bob", "Li", "FA-2", "", "", "03/17/2004", ""},
                         {"", "Cy", "", "FA-2", "", "", "03/17/2004", ""}}),
}};

ImportPlan planIn(store::FileTable& table) {
  std::vector<SheetChoice> choices = {guessChoice(kBook.sheets[0])};
  app::FolderRecords records(table);
  ImportPlan plan = planImport(kBook, choices, readOnFile(records), kNow);
  settleTrainingOnFile(plan, trainingOnFile(*scan::folderBlocks(table), plan.trainings));
  return plan;
}

struct ImportWork : test::StoreTest {};

TEST_F(ImportWork, WritesTheRecordsAndTheirLinesAsOneWork) {
  setUp(folder);
  const std::string trainingBefore = folder.read("Training.Records");
  const ImportPlan plan = planIn(table);
  EXPECT_EQ(plan.count(Outcome::New), 2u);
  EXPECT_EQ(plan.count(Outcome::OnFile), 1u);
  EXPECT_EQ(plan.count(Outcome::Refused), 1u);
  ASSERT_TRUE(writeImport(table, test::kAuthor, importAdditions(plan, "/home/ann/records.xlsx")));

  EXPECT_EQ(folder.read("Name.List"), store::encoded(annLee()) + store::encoded(plan.persons[0]));
  EXPECT_EQ(folder.read("Course.Index"), store::encoded(plan.courses[0]));
  EXPECT_EQ(folder.read("Training.Records"),
            trainingBefore + store::encoded(plan.trainings[0]) + store::encoded(plan.trainings[1]));
  EXPECT_EQ(plan.trainings[1].PersonID, plan.persons[0].DateCreated);
  EXPECT_EQ(folder.read("Change.Log"),
            "12/08/2026 10:30:00\tDana Demo\tdata imported\t/home/ann/records.xlsx\t1 person "
            "added; 1 course added; 2 training records added; 1 row already on file; 1 row "
            "refused\r\n"
            "12/08/2026 10:30:00\tDana Demo\tperson added\tBob Li\tStatus: \"Active Person\"\r\n"
            "12/08/2026 10:30:00\tDana Demo\tcourse added\tFA-2, First Aid\tHours: \"2.5\"\r\n"
            "12/08/2026 10:30:00\tDana Demo\ttraining credited\tAnn Lee, 03/16/2004, FA-2, First "
            "Aid\tHours: \"2.5\"; Comments: \"Passed\"\r\n"
            "12/08/2026 10:30:00\tDana Demo\ttraining credited\tBob Li, 03/17/2004, FA-2, First "
            "Aid\tHours: \"2.5\"\r\n");

  // Imported again, every row is on file or refused, and nothing is written.
  const ImportPlan again = planIn(table);
  EXPECT_EQ(again.count(Outcome::New), 0u);
  const std::string log = folder.read("Change.Log");
  ASSERT_TRUE(writeImport(table, test::kAuthor, importAdditions(again, "records.xlsx")));
  EXPECT_EQ(folder.read("Change.Log"), log);
}

TEST_F(ImportWork, TombstonedPersonsAndCoursesAreNotOnFile) {
  store::NameRecord gone = annLee();
  gone.FirstName = " $Killed$";
  store::CourseRecord course;
  course.CourseCode = "$Killed$";
  folder.write("Name.List", store::encoded(gone) + store::encoded(annLee()));
  folder.write("Course.Index", store::encoded(course));
  app::FolderRecords records(table);
  const OnFile onFile = readOnFile(records);
  ASSERT_EQ(onFile.persons.size(), 1u);
  EXPECT_EQ(store::encoded(onFile.persons[0]), store::encoded(annLee()));
  EXPECT_TRUE(onFile.courses.empty());
}

TEST_F(ImportWork, AnImportTooBigForOneJournalIsRefusedWhole) {
  // The longest lines a training record can owe: 100 characters in each value.
  ImportPlan plan;
  store::TrainingRecord t;
  t.CourseName = std::string(50, 'n');
  t.Comments = std::string(184, 'c');
  plan.trainings.assign(100, t);
  plan.trainingPersons.assign(100, std::string(50, 'p'));
  const auto changes = importChanges(plan, "big.xlsx");
  EXPECT_TRUE(fitsOneImport(changes, test::kAuthor, 100 * 400));
  EXPECT_FALSE(fitsOneImport(changes, test::kAuthor, 100 * 300));
}

// Whichever call fails, the next start finds the folder as before the import or with all of it.
TEST(ImportWorkFailures, EveryFaultLeavesTheFolderAsBeforeOrWithTheWholeImport) {
  const auto count =
      test::sweepFaults({setUp,
                         [](store::FileTable& table) {
                           EXPECT_TRUE(writeImport(table, test::kAuthor,
                                                   importAdditions(planIn(table), "records.xlsx")));
                         },
                         true});
  EXPECT_GT(count.powerCuts, 0);
}

}  // namespace
}  // namespace vm::imports
