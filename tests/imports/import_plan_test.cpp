// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/import_plan.h"

#include <gtest/gtest.h>

#include "format/automation_date.h"
#include "format/trim.h"
#include "imports/workbook_builder.h"
#include "store/change_log/record_changes.h"

namespace vm::imports {
namespace {

using test::sheetOf;
using Rows = std::vector<std::vector<std::string>>;

const format::DateTime kNow{2026, 12, 8, 10, 30, 0};

store::NameRecord person(double stamp, std::string first, std::string last, std::string id = {}) {
  store::NameRecord p;
  p.DateCreated = stamp;
  p.FirstName = std::move(first);
  p.LastName = std::move(last);
  p.EmployeeID = std::move(id);
  p.Active = store::kActive;
  return p;
}

store::CourseRecord course(double stamp, std::string code, float hours) {
  store::CourseRecord c;
  c.DateCreated = stamp;
  c.CourseCode = std::move(code);
  c.CourseName = "Course " + c.CourseCode;
  c.Hours = hours;
  return c;
}

// Ann Lee (E-1), José Núñez, two persons named Sam Dup and two with the ID E-DUP; the courses
// FA-2, the heading SAFE and two of code DUP.
OnFile onFile() {
  OnFile f;
  f.persons = {person(1, "Ann", "Lee", "E-1"),  person(2, "José", "Núñez"),
               person(3, "Sam", "Dup"),         person(4, "Sam", "Dup"),
               person(5, "Al", "One", "E-DUP"), person(6, "Bo", "Two", "E-DUP")};
  f.courses = {course(11, "FA-2", 2.5f), course(12, "SAFE", 0), course(13, "DUP", 1),
               course(14, "dup", 1)};
  return f;
}

ImportPlan planOf(const std::vector<sheets::Sheet>& sheets, const OnFile& f = onFile()) {
  sheets::Workbook book{sheets};
  std::vector<SheetChoice> choices;
  for (const sheets::Sheet& s : book.sheets) choices.push_back(guessChoice(s));
  return planImport(book, choices, f, kNow);
}

TEST(ImportPlan, EveryRefusalSaysWhy) {
  const std::string chars31(31, 'x');
  struct Case {
    std::vector<std::string> header;
    std::vector<std::string> row;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {{"Employee ID", "Course Code", "Date"},
       {"E-1", "FA-9", "03/15/2004"},
       "no course with code FA-9"},
      {{"Employee ID", "Course Code", "Date"},
       {"E-1", "FA-2", "31/31/2004"},
       "date 31/31/2004 is not a date"},
      {{"Employee ID", "Course Code", "Date"},
       {"E-1", "FA-2", "#38061"},
       "date 38061 is not a date"},
      {{"Employee ID", "Course Code", "Date"}, {"E-1", "FA-2", ""}, "date missing"},
      {{"Course Code", "Course Name", "Hours"}, {"NEW", "New", "-3"}, "hours -3"},
      {{"Course Code", "Course Name", "Hours"}, {"NEW", "New", "abc"}, "hours abc is not a number"},
      {{"Course Code", "Course Name", "Hours"}, {"NEW", "New", ""}, "hours missing"},
      {{"Course Code", "Course Name", "Hours"}, {"FA-2", "First Aid", "#-1"}, "hours -1"},
      {{"Course Code", "Course Name", "Hours"},
       {"TOOLONGCODE", "x", "1"},
       "course code too long: 11 of 8 characters"},
      {{"First Name", "Last Name", "Organization"},
       {"Ann", "Newman", chars31},
       "organization too long: 31 of 30 characters"},
      {{"First Name", "Last Name"},
       {"Zoë", "Ωmega"},
       "last name holds \"Ω\", which the data files cannot store"},
      {{"First Name", "Last Name"},
       {"Ann\nMarie", "Lee"},
       "first name holds a line break or another control character"},
      {{"First Name", "Last Name"}, {"", "Lee"}, "first name missing"},
      {{"First Name", "Last Name"}, {"Ann", ""}, "last name missing"},
      {{"Name", "Course Code", "Date"},
       {"Madonna", "FA-2", "03/15/2004"},
       "no person named Madonna"},
      {{"Employee ID", "Course Code", "Date"},
       {"E-404", "FA-2", "03/15/2004"},
       "no person with employee ID E-404"},
      {{"Employee ID", "Course Code", "Date"},
       {"E-DUP", "FA-2", "03/15/2004"},
       "more than one person has employee ID E-DUP"},
      {{"First Name", "Last Name", "Course Code", "Date"},
       {"sam", "DUP", "FA-2", "03/15/2004"},
       "more than one person named sam DUP on file"},
      {{"Employee ID", "Course Code", "Date"},
       {"E-1", "Dup", "03/15/2004"},
       "more than one course with code Dup on file"},
      {{"Employee ID", "Course Code", "Date"},
       {"E-1", "SAFE", "03/15/2004"},
       "course SAFE is a category heading"},
      {{"Employee ID", "Course Code", "Course Name", "Hours", "Date"},
       {"E-1", "HEAD", "Heading", "0", "03/15/2004"},
       "course HEAD is a category heading"},
      {{"Employee ID", "Course Code", "Date", "Comments"},
       {"E-1", "FA-2", "03/15/2004", std::string(185, 'c')},
       "comments too long: 185 of 184 characters"},
      {{"Employee ID", "Date"}, {"E-1", "03/15/2004"}, "no column holds the course code"},
      {{"Course Code", "Date"}, {"FA-2", "03/15/2004"}, "no column holds the person"},
  };
  for (const Case& c : cases) {
    const ImportPlan plan = planOf({sheetOf("Sheet", {c.header, c.row})});
    ASSERT_EQ(plan.rows.size(), 1u) << c.reason;
    EXPECT_EQ(plan.rows[0].outcome, Outcome::Refused) << c.reason;
    EXPECT_EQ(plan.rows[0].text, c.reason);
    EXPECT_EQ(plan.rows[0].row, 1u);
    EXPECT_TRUE(plan.persons.empty() && plan.courses.empty() && plan.trainings.empty()) << c.reason;
  }
}

TEST(ImportPlan, StaffCoursesAndTrainingFindEachOtherInOneImport) {
  // The training sheet comes first in the book but is read after the sheets it needs.
  const ImportPlan plan = planOf({
      sheetOf("Training", {{"Employee ID", "First Name", "Last Name", "Course", "Date", "Notes"},
                           {"e-1", "", "", "fa-2", "@03/15/2004", "Passed"},
                           {"", "Bob", "Li", "CPR", "2004-03-16", ""},
                           {"", "JOSE", "nunez", "CPR", "03/17/2004 2:30 pm", ""},
                           {"E-1", "", "", "FA-2", "03/15/2004", "again"},
                           {"", "Cy", "New", "FA-2", "03/18/2004", ""}}),
      sheetOf("Staff", {{"Last Name", "First Name", "Emp. No.", "Department"},
                        {"Li", "Bob", "#1002", "Plant 2"},
                        {"", "", "", ""},
                        {"LEE", "Ann", "", ""},
                        {"Li", "Bob", "1002", ""}}),
      sheetOf("Courses", {{"Code", "Title", "Provider", "Hrs"},
                          {"CPR", "CPR Refresher", "Red Cross", "4"},
                          {"FA-2", "First Aid", "", "#2.5"}}),
  });
  std::vector<std::string> rows;
  for (const RowOutcome& r : plan.rows)
    rows.push_back(std::to_string(r.sheet) + ":" + std::to_string(r.row + 1) + " " +
                   std::string(outcomeLabel(r.outcome)) + " " + r.text);
  EXPECT_EQ(rows, (std::vector<std::string>{
                      "0:2 new new training: Ann Lee, FA-2, 03/15/2004",
                      "0:3 new new training: Bob Li, CPR, 03/16/2004",
                      "0:4 new new training: José Núñez, CPR, 03/17/2004",
                      "0:5 on file already in this import: Ann Lee, FA-2, 03/15/2004",
                      "0:6 new new training: Cy New, FA-2, 03/18/2004; new person",
                      "1:2 new new person Bob Li",
                      "1:4 on file Ann Lee on file",
                      "1:5 on file Bob Li on file",
                      "2:2 new new course CPR",
                      "2:3 on file course FA-2 on file",
                  }));
  ASSERT_EQ(plan.persons.size(), 2u);
  EXPECT_EQ(store::personName(plan.persons[0]), "Bob Li");
  EXPECT_EQ(format::trim(plan.persons[0].EmployeeID), "1002");
  EXPECT_EQ(format::trim(plan.persons[0].Organization), "Plant 2");
  EXPECT_EQ(plan.persons[0].Active, store::kActive);
  EXPECT_EQ(store::personName(plan.persons[1]), "Cy New");
  // Stamps from now on, a second apart.
  const double now = format::toAutomationDate(kNow);
  EXPECT_EQ(plan.persons[0].DateCreated, now);
  EXPECT_EQ(format::fromAutomationDate(plan.persons[1].DateCreated),
            (format::DateTime{2026, 12, 8, 10, 30, 1}));
  ASSERT_EQ(plan.courses.size(), 1u);
  EXPECT_EQ(format::trim(plan.courses[0].CourseName), "CPR Refresher");
  EXPECT_EQ(format::trim(plan.courses[0].ProvidedBy), "Red Cross");
  EXPECT_EQ(plan.courses[0].Hours, 4.0f);
  ASSERT_EQ(plan.trainings.size(), 4u);
  const store::TrainingRecord& t = plan.trainings[1];
  EXPECT_EQ(t.PersonID, plan.persons[0].DateCreated);
  EXPECT_EQ(t.CourseID, plan.courses[0].DateCreated);
  EXPECT_EQ(t.TrainingDate, format::automationDateOf(2004, 3, 16));
  EXPECT_EQ(format::trim(plan.trainings[0].Comments), "Passed");
  EXPECT_EQ(plan.trainings[0].Hours, 2.5f);
  EXPECT_EQ(plan.trainings[2].PersonID, 2);  // José Núñez, accents and case aside
  EXPECT_EQ(format::fromAutomationDate(plan.trainings[2].TrainingDate),
            (format::DateTime{2004, 3, 17, 14, 30, 0}));
  EXPECT_EQ(plan.trainingPersons,
            (std::vector<std::string>{"Ann Lee", "Bob Li", "José Núñez", "Cy New"}));
  EXPECT_EQ(plan.count(Outcome::New), 6u);
  EXPECT_EQ(plan.count(Outcome::OnFile), 4u);
}

TEST(ImportPlan, AMatrixCreditsEachDatedCell) {
  const sheets::Sheet matrix =
      sheetOf("Training Matrix", {{"Name", "FA-2", "CPR", "SAFE"},
                                  {"Ann Lee", "@03/15/2004", "", ""},
                                  {"José Núñez", "@03/15/2004", "15/03/2005", "15/03/2004"},
                                  {"Lee, Ann", "", "", "x"},
                                  {"Nobody", "@03/15/2004", "", ""},
                                  {"Persons trained", "#3", "#1", "#1"}});
  const SheetChoice choice = guessChoice(matrix);
  EXPECT_EQ(choice.kind, SheetKind::Matrix);
  EXPECT_EQ(choice.fields, (std::vector<Field>{Field::FullName, Field::MatrixCourse,
                                               Field::MatrixCourse, Field::MatrixCourse}));
  EXPECT_EQ(choice.dates, DateOrder::DayFirst);
  const ImportPlan plan = planImport(sheets::Workbook{{matrix}}, {choice}, onFile(), kNow);
  std::vector<std::string> rows;
  for (const RowOutcome& r : plan.rows)
    rows.push_back(std::to_string(r.row + 1) + "/" + std::to_string(r.column) + " " + r.text);
  EXPECT_EQ(rows, (std::vector<std::string>{
                      "2/1 new training: Ann Lee, FA-2, 03/15/2004",
                      "3/1 new training: José Núñez, FA-2, 03/15/2004",
                      "3/2 no course with code CPR",
                      "3/3 course SAFE is a category heading",
                      "4/3 date x is not a date",
                      "5/1 no person named Nobody",
                  }));
}

TEST(ImportPlan, TrainingOnFileIsNothingToDo) {
  ImportPlan plan = planOf({sheetOf("T", {{"Employee ID", "Course Code", "Date"},
                                          {"E-1", "FA-2", "03/15/2004"},
                                          {"E-1", "FA-2", "03/16/2004"}})});
  ASSERT_EQ(plan.trainings.size(), 2u);
  settleTrainingOnFile(plan, {true, false});
  EXPECT_EQ(plan.rows[0].outcome, Outcome::OnFile);
  EXPECT_EQ(plan.rows[0].text, "training on file: Ann Lee, FA-2, 03/15/2004");
  ASSERT_EQ(plan.trainings.size(), 1u);
  EXPECT_EQ(plan.trainings[0].TrainingDate, format::automationDateOf(2004, 3, 16));
  EXPECT_EQ(plan.trainingRows, std::vector<std::size_t>{1});
  // Records kept in place keep every field.
  settleTrainingOnFile(plan, {false});
  EXPECT_EQ(format::trim(plan.trainings.at(0).CourseCode), "FA-2");
  EXPECT_EQ(plan.trainingPersons.at(0), "Ann Lee");
}

TEST(ImportPlan, TheListsHoldNoMoreThanTheirCountsAllow) {
  OnFile full;
  for (int i = 0; i < 32766; ++i) full.persons.push_back(person(i + 1, "P", std::to_string(i)));
  const ImportPlan plan = planOf(
      {sheetOf("Staff", {{"First Name", "Last Name"}, {"Ann", "New"}, {"Bob", "New"}})}, full);
  EXPECT_EQ(plan.persons.size(), 1u);
  EXPECT_EQ(plan.rows[1].text, "the Name List is full (32,767 persons)");
}

TEST(ImportPlan, GuessesWhatEachSheetHolds) {
  struct Case {
    Rows rows;
    SheetKind kind;
    DateOrder dates;
    bool ambiguous;
  };
  const std::vector<Case> cases = {
      {{{"First Name", "Last Name"}, {"Ann", "Lee"}},
       SheetKind::Rows,
       DateOrder::MonthFirst,
       false},
      {{{"Name", "Course", "Date"}, {"Ann Lee", "FA-2", "03/04/2004"}},
       SheetKind::Rows,
       DateOrder::MonthFirst,
       true},
      {{{"Name", "Course", "Date"}, {"Ann Lee", "FA-2", "03/04/2004"}, {"B C", "X", "13/04/2004"}},
       SheetKind::Rows,
       DateOrder::DayFirst,
       false},
      {{{"Name", "FA-2"}, {"Ann Lee", "03/04/2004"}},
       SheetKind::Matrix,
       DateOrder::MonthFirst,
       true},
      {{{"Name", "Shoe size"}, {"Ann Lee", "9"}}, SheetKind::Rows, DateOrder::MonthFirst, false},
      {{{"Colour", "Size"}, {"red", "9"}}, SheetKind::Skip, DateOrder::MonthFirst, false},
      {{{"First Name", "Last Name"}}, SheetKind::Skip, DateOrder::MonthFirst, false},
  };
  for (const Case& c : cases) {
    const sheets::Sheet sheet = sheetOf("S", c.rows);
    const SheetChoice choice = guessChoice(sheet);
    EXPECT_EQ(choice.kind, c.kind) << c.rows[0][1];
    EXPECT_EQ(choice.dates, c.dates) << c.rows[0][1];
    EXPECT_EQ(datesAmbiguous(sheet, choice), c.ambiguous) << c.rows[0][1];
  }
}

}  // namespace
}  // namespace vm::imports
