// SPDX-License-Identifier: GPL-3.0-or-later
// What the program exports comes back as the same records when it is imported: the training matrix
// as the matrix window saves it, and a list of persons.
#include <gtest/gtest.h>

#include "app/folder_records.h"
#include "format/trim.h"
#include "imports/import_plan.h"
#include "imports/on_file.h"
#include "scan/folder_blocks.h"
#include "search/training_matrix.h"
#include "sheets/sheet_file.h"
#include "sheets/typed_table.h"
#include "store/change_log/record_changes.h"
#include "store/posix_file_system.h"
#include "store/record_codec.h"
#include "support/temp_folder.h"

namespace vm::imports {
namespace {

const format::DateTime kNow{2026, 12, 8, 10, 30, 0};

store::NameRecord person(double stamp, std::string first, std::string last) {
  store::NameRecord p;
  p.DateCreated = stamp;
  p.FirstName = std::move(first);
  p.LastName = std::move(last);
  p.Organization = "Plant \"1\", =north";
  p.Active = store::kActive;
  return p;
}

store::CourseRecord course(double stamp, std::string code, float hours) {
  store::CourseRecord c;
  c.DateCreated = stamp;
  c.CourseCode = std::move(code);
  c.CourseName = "Course " + c.CourseCode;
  c.ProvidedBy = "Red Cross";
  c.Hours = hours;
  return c;
}

store::TrainingRecord training(const store::NameRecord& p, const store::CourseRecord& c,
                               double date) {
  store::TrainingRecord t;
  t.TrainingDate = date;
  t.PersonID = p.DateCreated;
  t.CourseID = c.DateCreated;
  t.CourseCode = c.CourseCode;
  t.CourseName = c.CourseName;
  t.ProvidedBy = c.ProvidedBy;
  t.Hours = c.Hours;
  return t;
}

template <typename Record>
std::string fileOf(const std::vector<Record>& records) {
  std::string bytes;
  for (const Record& r : records) bytes += store::encoded(r);
  return bytes;
}

TEST(RoundTrip, TheExportedMatrixImportsAsTheSameTrainingRecords) {
  const std::vector<store::NameRecord> persons = {person(40000, "Ann", "Lee"),
                                                  person(40001, "José", "Núñez")};
  const std::vector<store::CourseRecord> courses = {course(41000, "FA-2", 2.5f),
                                                    course(41001, "CPR", 4)};
  const std::vector<store::TrainingRecord> trainings = {training(persons[0], courses[0], 38061),
                                                        training(persons[1], courses[1], 38354),
                                                        training(persons[1], courses[0], 38000)};
  const test::TempFolder exported, imported;
  for (const test::TempFolder* f : {&exported, &imported}) {
    f->write("Name.List", fileOf(persons));
    f->write("Course.Index", fileOf(courses));
  }
  exported.write("Training.Records", fileOf(trainings));

  store::PosixFileSystem fs;
  store::FileTable from(fs, exported.str()), to(fs, imported.str());
  std::vector<double> rows;
  std::vector<std::string> names;
  for (const store::NameRecord& p : persons) {
    rows.push_back(p.DateCreated);
    names.push_back(store::personName(p));
  }
  std::vector<search::MatrixCourse> columns;
  for (const store::CourseRecord& c : courses)
    columns.push_back({format::trim(c.CourseCode), format::trim(c.CourseName), c.DateCreated});
  const search::MatrixTable table = search::matrixTable(
      search::trainingMatrix(*scan::folderBlocks(from), rows, columns), "Name", names, columns);
  const std::string path = (exported / "matrix.xlsx").string();
  sheets::writeWorkbook(
      path,
      {{sheets::typedSheet("Training Matrix", table.header, table.rows, {false, true, true})}});

  const sheets::Workbook book = sheets::readWorkbook(path);
  const SheetChoice choice = guessChoice(book.sheets.at(0));
  EXPECT_EQ(choice.kind, SheetKind::Matrix);
  app::FolderRecords toRecords(to), fromRecords(from);
  ImportPlan plan = planImport(book, {choice}, readOnFile(toRecords), kNow);
  settleTrainingOnFile(plan, trainingOnFile(*scan::folderBlocks(to), plan.trainings));
  EXPECT_EQ(plan.count(Outcome::Refused), 0u);
  EXPECT_EQ(fileOf(plan.trainings), fileOf(std::vector{trainings[0], trainings[2], trainings[1]}));

  // Into the folder it came from, every cell is on file already.
  plan = planImport(book, {choice}, readOnFile(fromRecords), kNow);
  settleTrainingOnFile(plan, trainingOnFile(*scan::folderBlocks(from), plan.trainings));
  EXPECT_EQ(plan.count(Outcome::OnFile), 3u);
  EXPECT_TRUE(plan.trainings.empty());
}

TEST(RoundTrip, AnExportedListOfPersonsImportsAsTheSamePersons) {
  const std::vector<store::NameRecord> persons = {person(40000, "Ann", "Lee"),
                                                  person(40001, "José", "Núñez")};
  std::vector<std::vector<std::string>> rows;
  for (const store::NameRecord& p : persons)
    rows.push_back({p.FirstName, p.LastName, p.Organization});
  const test::TempFolder folder;
  const std::string path = (folder / "persons.xlsx").string();
  sheets::writeWorkbook(
      path, {{sheets::typedSheet("Name List", {"First Name", "Last Name", "Organization"}, rows,
                                 {false, false, false})}});
  const sheets::Workbook book = sheets::readWorkbook(path);
  const ImportPlan plan = planImport(book, {guessChoice(book.sheets.at(0))}, {}, kNow);
  ASSERT_EQ(plan.persons.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    store::NameRecord expected = persons[i];
    expected.DateCreated = plan.persons[i].DateCreated;
    EXPECT_EQ(store::encoded(plan.persons[i]), store::encoded(expected));
  }
}

}  // namespace
}  // namespace vm::imports
