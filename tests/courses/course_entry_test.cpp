// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_entry.h"

#include <gtest/gtest.h>

using namespace vm::courses;
using Problem = HoursEntry::Problem;

TEST(HoursEntry, TakesAnyNumericTextAsASingle) {
  EXPECT_EQ(readHoursEntry("2.5").hours, 2.5f);
  EXPECT_EQ(readHoursEntry(" 1e2 ").hours, 100.0f);
  EXPECT_EQ(readHoursEntry(".5").hours, 0.5f);
  EXPECT_EQ(readHoursEntry("0").problem, Problem::None);
  EXPECT_EQ(readHoursEntry("-3").hours, -3.0f);
  EXPECT_EQ(readHoursEntry("1e-50").hours,
            0.0f);  // too small for a single: 0, a heading
}

TEST(HoursEntry, RefusesTextThatIsNoNumberOrBeyondASingle) {
  EXPECT_EQ(readHoursEntry("").problem, Problem::NotNumeric);
  EXPECT_EQ(readHoursEntry("abc").problem, Problem::NotNumeric);
  EXPECT_EQ(readHoursEntry("2,5").problem, Problem::NotNumeric);
  EXPECT_EQ(readHoursEntry("1e39").problem, Problem::TooLarge);
  EXPECT_EQ(readHoursEntry("-9e99").problem, Problem::TooLarge);
  EXPECT_EQ(readHoursEntry("3e38").problem, Problem::None);
}

TEST(ReservedCourseCode, IsTheTombstoneOnly) {
  EXPECT_TRUE(isReservedCourseCode("$Killed$"));
  EXPECT_TRUE(isReservedCourseCode(" $Killed$ "));
  EXPECT_FALSE(isReservedCourseCode("$killed$"));
  EXPECT_FALSE(isReservedCourseCode("$Killed"));
}
