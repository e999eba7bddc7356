// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/training_matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "courses/course_files.h"
#include "format/automation_date.h"
#include "format/date_text.h"
#include "scan/folder_blocks.h"
#include "store/link_rule.h"
#include "store/records.h"
#include "support/store_test.h"

using namespace vm::search;
using vm::format::automationDateOf;
using vm::test::TrainingBytes;

namespace {

struct TrainingMatrixTest : vm::test::StoreTest {
  void write(const std::vector<TrainingBytes>& records) {
    std::string file;
    for (const TrainingBytes& t : records) file += vm::test::trainingRecord(t);
    folder.write("Training.Records", file);
  }
};

const double kAnn = 38000.25, kBob = 38000.5, kCy = 38001.75, kStranger = 39000.5;
const double kFirstAid = 44000.5, kCpr = 44001.5, kTwinOfCpr = 44001.5, kOther = 44002.5;

double day(int y, int m, int d, double time = 0.0) { return automationDateOf(y, m, d) + time; }

TrainingBytes record(double date, double person, double course, const std::string& code = "C") {
  TrainingBytes t;
  t.date = date;
  t.person = person;
  t.course = course;
  t.code = code;
  return t;
}

}  // namespace

TEST_F(TrainingMatrixTest, EachCellIsTheLatestDateAndTheLastRowCountsThePersons) {
  write({
      record(day(2003, 11, 2), kAnn, kFirstAid, "FA-101"),
      record(day(2004, 3, 15, 0.75), kAnn, kFirstAid,
             "FA-101"),  // the latest, with its time of day
      record(day(2004, 1, 20), kAnn, kFirstAid, "FA-101"),
      record(day(2005, 6, 1), kAnn, kOther, "OTHER"),           // a course not chosen
      record(day(2006, 2, 2), kStranger, kFirstAid, "FA-101"),  // a person not listed
      record(day(2004, 5, 5), kBob, -0.0, "ZERO"),              // -0 is the course with ID 0
      record(day(2007, 7, 7), kBob, kCpr, "CPR"),               // two chosen courses share this ID
      record(std::numeric_limits<double>::quiet_NaN(), kCy, kFirstAid, "FA-101"),
      record(day(2001, 1, 1), kCy, kFirstAid, "FA-101"),
  });
  // Bob is listed twice (two persons created in the same second share their records).
  const std::vector<double> rows = {kAnn, kBob, kCy, kBob};
  const std::vector<MatrixCourse> courses = {
      {"FA-101", "First Aid", kFirstAid}, {"CPR", "CPR", kCpr},
      {"CPR-B", "CPR twin", kTwinOfCpr},  {"ZERO", "Zero", 0.0},
      {"NONE", "Never taken", 45000.0},
  };
  const TrainingMatrix matrix = trainingMatrix(*vm::scan::folderBlocks(table), rows, courses);
  const MatrixTable shown = matrixTable(matrix, "List of all active persons",
                                        {{"Ann", "Bob", "Cy", "Bob again"}}, courses);

  const std::vector<std::string> header = {
      "List of all active persons", "FA-101", "CPR", "CPR-B", "ZERO", "NONE"};
  const std::vector<std::vector<std::string>> cells = {
      {"Ann", "03/15/2004", "", "", "", ""},
      {"Bob", "", "07/07/2007", "07/07/2007", "05/05/2004", ""},
      {"Cy", "01/01/2001", "", "", "", ""},
      {"Bob again", "", "07/07/2007", "07/07/2007", "05/05/2004", ""},
      {"Persons trained", "2", "2", "2", "2", "0"},
  };
  EXPECT_EQ(shown.header, header);
  EXPECT_EQ(shown.rows, cells);
  EXPECT_EQ(matrix.latest(0, 0), day(2004, 3, 15, 0.75));
}

TEST_F(TrainingMatrixTest, NoFileNoPersonsOrNoCoursesGiveEmptyCells) {
  const std::vector<MatrixCourse> courses = {{"FA-101", "First Aid", kFirstAid}};
  const std::vector<double> one = {kAnn};
  const std::vector<std::string> name = {"Ann"};
  const MatrixTable shown = matrixTable(
      trainingMatrix(*vm::scan::folderBlocks(table), one, courses), "Name", name, courses);
  EXPECT_EQ(shown.rows,
            (std::vector<std::vector<std::string>>{{"Ann", ""}, {"Persons trained", "0"}}));
  EXPECT_EQ(trainingMatrix(*vm::scan::folderBlocks(table), {}, courses).rows(), 0u);
  EXPECT_EQ(trainingMatrix(*vm::scan::folderBlocks(table), one, {}).courses(), 0u);
}

// The one pass against the plain way: for every listed row and every course, the latest date of
// the records whose PersonID links to the row's stamp and whose CourseID to the course's.
TEST_F(TrainingMatrixTest, TheOnePassMatchesEveryPersonByEveryCourse) {
  std::mt19937 random(7);
  std::vector<double> persons, courseIds;
  for (int p = 0; p < 60; ++p) persons.push_back(38000.0 + p * 61 / 86400.0 + p * 3);
  for (int c = 0; c < 12; ++c) courseIds.push_back(44000.0 + c * 0.25);
  std::vector<TrainingBytes> records;
  for (int k = 0; k < 3000; ++k)
    records.push_back(
        record(day(1995 + static_cast<int>(random() % 30), 1 + static_cast<int>(random() % 12),
                   1 + static_cast<int>(random() % 28), (random() % 4) / 4.0),
               persons[random() % persons.size()], courseIds[random() % courseIds.size()]));
  write(records);

  std::vector<double> rows;
  for (std::size_t p = 0; p < persons.size(); p += 2) rows.push_back(persons[p]);
  std::vector<MatrixCourse> courses;
  for (std::size_t c = 1; c < courseIds.size(); c += 3) courses.push_back({"C", "", courseIds[c]});
  std::vector<vm::store::TrainingRecord> stored;
  {
    const vm::store::OpenFile file(table, vm::store::DataFile::Training);
    for (int k = 1; k <= file.count(); ++k)
      stored.push_back(table.read<vm::store::TrainingRecord>(k));
  }
  for (const int ranges : {1, 2, 7}) {  // read in ranges, merged in file order
    const TrainingMatrix matrix = trainingMatrix(*vm::scan::folderBlocks(table), rows, courses,
                                                 {vm::scan::ScanProgress(), ranges});
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (std::size_t c = 0; c < courses.size(); ++c) {
        std::optional<double> latest;
        for (const auto& t : stored)
          if (vm::store::sameLink(t.PersonID, rows[r]) &&
              vm::store::sameLink(t.CourseID, courses[c].id) &&
              (!latest || t.TrainingDate > *latest))
            latest = t.TrainingDate;
        EXPECT_EQ(matrix.latest(r, c), latest) << "row " << r << ", course " << c << ", " << ranges;
      }
    }
  }
}

TEST(MatrixCourses, AHeadingGroupsTheCoursesUpToTheNextAndAPrefixChoosesByCode) {
  const std::vector<ListedCourse> list = {
      {"ABC", "Before any heading", false, 1.0},
      {"FA", "Category: first aid", true, 2.0},
      {"fa-101", "First Aid", false, 3.0},
      {"FA-102", "First Aid, level 2", false, std::nullopt},  // its ID did not read back
      {"FA-200", "Advanced", false, 4.0},
      {"LAB", "Category: lab", true, 5.0},
      {"MNT", "Category: maintenance", true, 6.0},
      {"MNT-1", "Pumps", false, 7.0},
  };
  const auto codes = [](const std::vector<MatrixCourse>& courses) {
    std::vector<std::string> out;
    for (const MatrixCourse& c : courses) out.push_back(c.code);
    return out;
  };
  using Codes = std::vector<std::string>;
  EXPECT_EQ(headingsOf(list), (std::vector<std::size_t>{1, 5, 6}));
  EXPECT_EQ(codes(coursesUnder(list, 1)), (Codes{"fa-101", "FA-200"}));
  EXPECT_EQ(codes(coursesUnder(list, 5)), Codes{});
  EXPECT_EQ(codes(coursesUnder(list, 6)), Codes{"MNT-1"});
  EXPECT_EQ(coursesUnder(list, 6)[0].id, 7.0);
  EXPECT_EQ(codes(coursesStartingWith(list, " Fa-1 ")), Codes{"fa-101"});
  EXPECT_EQ(codes(coursesStartingWith(list, "f")), (Codes{"fa-101", "FA-200"}));  // no heading
  EXPECT_EQ(codes(coursesStartingWith(list, "  ")), Codes{});
  EXPECT_EQ(codes(coursesStartingWith(list, "x")), Codes{});
}
