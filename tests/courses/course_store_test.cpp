// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "courses/course_files.h"
#include "format/automation_date.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"

using namespace vm::courses;
using vm::store::CourseRecord;

namespace {

struct CourseStoreTest : vm::test::StoreTest {
  const vm::format::DateTime now{2026, 12, 8, 10, 30, 0};

  static CourseRecord entered(const std::string& code) {
    CourseRecord c;
    c.CourseCode = code;
    c.CourseName = "Name of " + code;
    c.ProvidedBy = "Provider";
    c.Hours = 2.5f;
    c.Comments = "Comment";
    return c;
  }
};

}  // namespace

TEST_F(CourseStoreTest, AppendsNewCoursesWithStampsOfTheirOwn) {
  const auto first = CourseStore(table).add(vm::test::kAuthor, entered("FA-01"));
  const auto second = CourseStore(table).add(vm::test::kAuthor, entered("FA-01"));  // not unique
  ASSERT_TRUE(first && second);

  const double stamp = vm::format::toAutomationDate(now);
  EXPECT_EQ(first->DateCreated, stamp);
  EXPECT_EQ(second->DateCreated,
            vm::format::toAutomationDate({2026, 12, 8, 10, 30, 1}));  // same second, moved on
  EXPECT_EQ(folder.read("Course.Index"),
            vm::test::courseFile(
                {{stamp, "FA-01", "Name of FA-01", "Provider", 2.5f, "Comment"},
                 {second->DateCreated, "FA-01", "Name of FA-01", "Provider", 2.5f, "Comment"}}));
  EXPECT_FALSE(table.isOpen(vm::store::DataFile::Courses));
}

TEST_F(CourseStoreTest, RefusesTheCourseBeyondWhatTheIndexCanCount) {
  const auto path = folder / "Course.Index";
  folder.write("Course.Index", "");
  std::filesystem::resize_file(path, 32767u * 300u);
  const CourseRecord course = entered("MORE");
  EXPECT_FALSE(CourseStore(table).add(vm::test::kAuthor, course));
  EXPECT_EQ(std::filesystem::file_size(path), 32767u * 300u);
  EXPECT_FALSE(table.isOpen(vm::store::DataFile::Courses));

  std::filesystem::resize_file(path, 32766u * 300u);
  EXPECT_TRUE(CourseStore(table).add(vm::test::kAuthor, course));
  EXPECT_EQ(std::filesystem::file_size(path), 32767u * 300u);
}

TEST_F(CourseStoreTest, RewritingKeepsTheStoredIdentity) {
  folder.write("Course.Index", vm::test::courseFile({{45000.5, "OLD", "Old", "", 1.0f, "old"},
                                                     {45001.5, "KEEP", "Kept", "", 2.0f, ""}}));
  CourseRecord edited = entered("NEW");
  edited.DateCreated = 1;  // whatever the editor holds, the stored stamp stays
  EXPECT_EQ(CourseStore(table).save(vm::test::kAuthor, 1, edited).DateCreated, 45000.5);
  EXPECT_EQ(folder.read("Course.Index"),
            vm::test::courseFile({{45000.5, "NEW", "Name of NEW", "Provider", 2.5f, "Comment"},
                                  {45001.5, "KEEP", "Kept", "", 2.0f, ""}}));
}

// The course and its line in the change log go together, wherever the work stops.
TEST(CourseStoreFaults, AnAddedOrRewrittenCourseIsWhollyThereOrNotAtAll) {
  const auto twoCourses = [](const vm::test::TempFolder& folder) {
    folder.write("Course.Index", vm::test::courseFile({{45000.5, "OLD", "Old", "", 1.0f, "old"},
                                                       {45001.5, "KEEP", "Kept", "", 2.0f, ""}}));
  };
  for (const bool add : {true, false}) {
    SCOPED_TRACE(add ? "add" : "rewrite");
    vm::test::sweepFaults({twoCourses,
                           [add](vm::store::FileTable& table) {
                             const CourseRecord c = CourseStoreTest::entered("NEW");
                             if (add) {
                               CourseStore(table).add(vm::test::kAuthor, c);
                             } else {
                               CourseStore(table).save(vm::test::kAuthor, 1, c);
                             }
                           },
                           true});
  }
}

TEST_F(CourseStoreTest, ACourseGoesWithItsRenewalPeriod) {
  folder.write("Course.Index", vm::test::courseFile({{45000.5, "A", "A", "", 1.0f, ""},
                                                     {45001.5, "B", "B", "", 2.0f, ""}}));
  CourseStore(table).remove(vm::test::kAuthor, 2);  // no periods at all: none are made
  EXPECT_FALSE(folder.has("Course.Renewal"));
  EXPECT_EQ(folder.read("Course.Index"), vm::test::courseFile({{45000.5, "A", "A", "", 1.0f, ""}}));
}

TEST(CourseStoreFaults, ACourseAndItsRenewalPeriodGoTogetherOrNotAtAll) {
  vm::test::FaultSweep sweep;
  sweep.setUp = [](const vm::test::TempFolder& folder) {
    folder.write("Course.Index", vm::test::courseFile({{45000.5, "A", "A", "", 1.0f, ""},
                                                       {45001.5, "B", "B", "", 2.0f, ""},
                                                       {45002.5, "C", "C", "", 2.0f, ""}}));
    folder.write("Course.Renewal", vm::test::renewalRecord(45002.5, 24, 'x') +
                                       vm::test::renewalRecord(45001.5, 12) +
                                       vm::test::renewalRecord(45000.5, 6));
  };
  sweep.operation = [](vm::store::FileTable& table) {
    CourseStore(table).remove(vm::test::kAuthor, 2);
  };
  sweep.asOne = true;
  sweep.check = [](const vm::test::FolderFiles&, const vm::test::FolderFiles&,
                   const vm::test::FolderFiles& after) {
    EXPECT_EQ(after.at("Course.Renewal"),
              vm::test::renewalRecord(45002.5, 24, 'x') + vm::test::renewalRecord(45000.5, 6));
  };
  vm::test::sweepFaults(sweep);
}
