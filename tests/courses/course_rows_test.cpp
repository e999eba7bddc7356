// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_rows.h"

#include <gtest/gtest.h>

#include "app/folder_records.h"
#include "courses/course_files.h"
#include "support/store_test.h"

using namespace vm::courses;
using vm::test::CourseBytes;

namespace {

struct CourseRowsTest : vm::test::StoreTest {};

}  // namespace

TEST_F(CourseRowsTest, ListsEveryRecordInFileOrderWithTrimmedTextsAndHoursCells) {
  folder.write("Course.Index",
               vm::test::courseFile({
                   {45000.123456789, "abc-1", "Alpha", "Red Cross", 2.5f, "note"},
                   {45001, "ABC-0", "Safety headings", "", 0.0f, ""},
                   {45002, " P1*-T01", "  Tornado Preparedness ", "County", -3.0f, ""},
                   {45003, "dup", "First of two", "", 0.5f, ""},
                   {45004, "DUP",
                    "\xC9"
                    "cole",
                    "", 40.0f, ""},
                   {45005, "$Killed$", "Killed by another tool", "", 1.0f, ""},
               }));

  const auto rows = courseRows(vm::app::FolderRecords(table).courses());

  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0].code, "abc-1");
  EXPECT_EQ(rows[0].name, "Alpha");
  EXPECT_EQ(rows[0].provider, "Red Cross");
  EXPECT_EQ(rows[0].hours, "2.5");
  EXPECT_EQ(rows[1].hours, "");  // heading with 0 hours
  EXPECT_EQ(rows[2].code, "P1*-T01");
  EXPECT_EQ(rows[2].name, "Tornado Preparedness");
  EXPECT_EQ(rows[2].hours, "");  // heading with negative hours
  EXPECT_EQ(rows[3].hours, ".5");
  EXPECT_EQ(rows[4].name, "École");
  EXPECT_EQ(rows[4].hours, "40.0");
  EXPECT_EQ(rows[5].code, "$Killed$");  // listed whatever it holds
  for (int i = 0; i < 6; ++i) EXPECT_EQ(rows[i].recNum, i + 1);
  EXPECT_EQ(courseIdValue(rows[0].id),
            45000.123456789);  // the identity, to the last bit
  EXPECT_FALSE(table.isOpen(vm::store::DataFile::Courses));
}

TEST_F(CourseRowsTest, NoIndexMeansNoRowsAndNoFile) {
  EXPECT_TRUE(courseRows(vm::app::FolderRecords(table).courses()).empty());
  EXPECT_FALSE(folder.has("Course.Index"));
}

TEST(CourseIdText, ReadsBackToTheSameValueAndRefusesOtherText) {
  for (double v : {0.0, 46364.4375, 46364.43750000001, -1.25, 2958465.99998843})
    EXPECT_EQ(courseIdValue(courseIdText(v)), v);
  EXPECT_EQ(courseIdValue(""), std::nullopt);
  EXPECT_EQ(courseIdValue("12/08/2026"), std::nullopt);
}

TEST(CanCreditCourse, NeedsAddingRightsAndHoursAboveZero) {
  EXPECT_TRUE(canCreditCourse(3, "1.5"));
  EXPECT_TRUE(canCreditCourse(4, ".5"));
  EXPECT_FALSE(canCreditCourse(2, "1.5"));
  EXPECT_FALSE(canCreditCourse(1, "40.0"));
  EXPECT_FALSE(canCreditCourse(4, ""));    // a category heading
  EXPECT_FALSE(canCreditCourse(4, ".0"));  // hours too small to show a tenth
}
