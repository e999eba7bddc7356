// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_propagation.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "courses/course_files.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"

using namespace vm::courses;
using vm::test::TrainingBytes;

namespace {

constexpr double kEdited = 45100.5;
constexpr double kSameCodeOther = 45100.75;

// The course as edited: code, name, provider and hours all changed.
vm::store::CourseRecord edited() {
  vm::store::CourseRecord c;
  c.DateCreated = kEdited;
  c.CourseCode = "FA-02";
  c.CourseName = "First Aid, revised";
  c.ProvidedBy = "St. John";
  c.Hours = 7.5f;
  c.Comments = "not copied";
  return c;
}

struct PropagationTest : vm::test::StoreTest {
  std::vector<std::tuple<int, int, int>> told;

  PropagationCount run() {
    return propagateCourse(
        table, vm::test::kAuthor, edited(),
        [this](int done, int total, int updated) { told.emplace_back(done, total, updated); });
  }
};

}  // namespace

TEST_F(PropagationTest, RewritesOnlyTheCoursesOwnRecordsAndOnlyTheirCourseCopies) {
  // 250 records; every 21st from the 5th (12 in all) belongs to the edited course, some of the
  // others to another course with the same code.
  std::string before;
  std::vector<int> own;
  for (int i = 1; i <= 250; ++i) {
    TrainingBytes t{
        40000.0 + i, 30000.0 + i % 7, kSameCodeOther, "FA-01",
        "First Aid", "Red Cross",     8.0f,           "comment \x81\xFE " + std::to_string(i)};
    if (i % 21 == 5) {
      t.course = kEdited;
      t.hours = i == 26 ? 3.0f : 8.0f;  // hours once edited by hand
      own.push_back(i);
    } else if (i % 3 == 0) {
      t.course = 45000.25;
      t.code = "OTHER";
    }
    before += vm::test::trainingRecord(t);
  }
  ASSERT_EQ(own.size(), 12u);
  folder.write("Training.Records", before);

  const PropagationCount count = run();

  EXPECT_EQ(count.reviewed, 250);
  EXPECT_EQ(count.updated, 12);
  std::string expected = before;
  for (int i : own) {
    std::string rec = vm::test::recordOf(before, i);
    vm::test::putText(rec, 24, "FA-02", 8);
    vm::test::putText(rec, 32, "First Aid, revised", 50);
    vm::test::putText(rec, 82, "St. John", 30);
    vm::test::putSingle(rec, 112, 7.5f);
    expected.replace(static_cast<std::size_t>(i - 1) * 300, 300, rec);
  }
  EXPECT_EQ(folder.read("Training.Records"),
            expected);  // dates, links, comments untouched
  EXPECT_FALSE(table.isOpen(vm::store::DataFile::Training));

  ASSERT_FALSE(told.empty());
  EXPECT_EQ(told.front(), std::make_tuple(1, 250, 0));
  EXPECT_EQ(told.back(), std::make_tuple(250, 250, 12));
}

TEST_F(PropagationTest, ACourseWithoutTrainingRecordsUpdatesNone) {
  folder.write("Training.Records", vm::test::trainingRecord({40000, 30000, kSameCodeOther, "FA-01",
                                                             "First Aid", "", 8.0f, ""}));
  const std::string before = folder.read("Training.Records");
  const PropagationCount count = run();
  EXPECT_EQ(count.reviewed, 1);
  EXPECT_EQ(count.updated, 0);
  EXPECT_EQ(folder.read("Training.Records"), before);
}

TEST_F(PropagationTest, TellsProgressSparinglyOnALongPass) {
  std::string before;
  for (int i = 1; i <= 20000; ++i)
    before += vm::test::trainingRecord(
        {40000.0 + i, 1, i % 100 == 0 ? kEdited : 1.0, "X", "", "", 1.0f, ""});
  folder.write("Training.Records", before);
  const PropagationCount count = run();
  EXPECT_EQ(count.updated, 200);
  EXPECT_LT(told.size(), 100u);  // far fewer than one caption per record
  for (std::size_t i = 1; i < told.size(); ++i)
    EXPECT_LE(std::get<0>(told[i - 1]), std::get<0>(told[i]));
}

// Stopped anywhere, by a failing disk or a power cut, the propagation is finished by the next
// start: the course's records are then all new, never some old and some new.
TEST(PropagationFaults, AnInterruptedPassIsFinishedByTheNextStart) {
  const auto trainingRecords = [](const vm::test::TempFolder& folder) {
    std::string bytes;
    // Two blocks of the pass, and a run of the course's records across the boundary.
    for (int i = 1; i <= 600; ++i) {
      const bool own = i % 50 == 0 || (i > 480 && i < 530);
      bytes += vm::test::trainingRecord(
          {40000.0 + i, 30000, own ? kEdited : 1.0, "FA-01", "First Aid", "Red Cross", 8.0f, "c"});
    }
    folder.write("Training.Records", bytes);
  };
  const auto count = vm::test::sweepFaults(
      {trainingRecords,
       [](vm::store::FileTable& table) {
         EXPECT_EQ(propagateCourse(table, vm::test::kAuthor, edited(), {}).updated, 60);
       },
       true});
  EXPECT_GE(count.powerCuts, 10);
}
