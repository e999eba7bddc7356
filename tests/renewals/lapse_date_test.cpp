// SPDX-License-Identifier: GPL-3.0-or-later
#include "renewals/lapse_date.h"

#include <gtest/gtest.h>

#include "format/automation_date.h"
#include "format/date_text.h"
#include "renewals/renewal_status.h"

using namespace vm::renewals;

namespace {

std::int64_t day(int y, int m, int d) {
  return vm::format::automationDay(vm::format::automationDateOf(y, m, d));
}

std::string text(std::int64_t d) { return vm::format::formatDate(static_cast<double>(d)); }

}  // namespace

TEST(LapseDate, SameDayMonthsLaterClampedToTheMonthsEnd) {
  struct Case {
    int y, m, d, months;
    const char* lapses;
  };
  const Case cases[] = {
      {2004, 2, 29, 12, "02/28/2005"},  // a leap day, a year on
      {2004, 2, 29, 48, "02/29/2008"},  // four years on: a leap day again
      {2003, 2, 28, 12, "02/28/2004"},  // not moved to the leap day
      {2004, 1, 31, 1, "02/29/2004"},   // into a leap February
      {2005, 1, 31, 1, "02/28/2005"},   {2005, 3, 31, 1, "04/30/2005"},
      {2005, 5, 31, 1, "06/30/2005"},   {2005, 8, 31, 1, "09/30/2005"},
      {2005, 10, 31, 1, "11/30/2005"},  {2005, 12, 31, 2, "02/28/2006"},  // across the year's end
      {2005, 11, 30, 3, "02/28/2006"},  {2005, 12, 15, 1, "01/15/2006"},
      {2005, 4, 30, 1, "05/30/2005"},   // a short month's end stays the 30th
      {1900, 2, 28, 12, "02/28/1901"},  // 1900 had no leap day
      {1899, 12, 30, 1, "01/30/1900"},  // the dates' own day 0
      {1899, 12, 29, 1, "01/29/1900"},  // before it, where dates count backwards
      {1999, 2, 28, 12, "02/28/2000"},  {2000, 2, 29, 12, "02/28/2001"},  // 2000 was a leap year
      {2019, 6, 15, 999, "09/15/2102"}, {9999, 11, 30, 1, "12/30/9999"},
  };
  for (const Case& c : cases) {
    const auto lapse = lapseDay(day(c.y, c.m, c.d), c.months);
    ASSERT_TRUE(lapse) << c.y << "-" << c.m << "-" << c.d << " + " << c.months;
    EXPECT_EQ(text(*lapse), c.lapses) << c.y << "-" << c.m << "-" << c.d << " + " << c.months;
  }
}

TEST(LapseDate, ATrainingWhoseLapseLiesBeyondTheLastDayNeverLapses) {
  EXPECT_FALSE(lapseDay(day(9999, 12, 31), 1));
  EXPECT_FALSE(lapseDay(day(9990, 1, 1), 999));
  EXPECT_EQ(statusOf(std::nullopt, day(2026, 1, 1), 30), RenewalStatus::Current);
}

// Both sides of the lapse day and of the last day that counts as due, for month ends and leap
// days: current before the lapse day, expired from it on; due from `dueWithin` days before it.
TEST(LapseDate, StatusOnBothSidesOfEveryLapseDay) {
  struct Case {
    int y, m, d, months;
    int ly, lm, ld;  // the lapse day
  };
  const Case cases[] = {
      {2004, 2, 29, 12, 2005, 2, 28}, {2004, 1, 31, 1, 2004, 2, 29}, {2005, 1, 31, 1, 2005, 2, 28},
      {2023, 12, 31, 2, 2024, 2, 29}, {2024, 8, 31, 6, 2025, 2, 28}, {2025, 6, 30, 24, 2027, 6, 30},
  };
  for (const Case& c : cases) {
    const std::int64_t lapse = day(c.ly, c.lm, c.ld);
    ASSERT_EQ(lapseDay(day(c.y, c.m, c.d), c.months), lapse) << c.y << "-" << c.m << "-" << c.d;
    const auto on = [&](std::int64_t today, int due) { return statusOf(lapse, today, due); };
    EXPECT_EQ(on(lapse, 30), RenewalStatus::Expired);
    EXPECT_EQ(on(lapse + 1, 30), RenewalStatus::Expired);
    EXPECT_EQ(on(lapse + 4000, 30), RenewalStatus::Expired);
    EXPECT_EQ(on(lapse - 1, 30), RenewalStatus::Due);
    EXPECT_EQ(on(lapse - 30, 30), RenewalStatus::Due);
    EXPECT_EQ(on(lapse - 31, 30), RenewalStatus::Current);
    EXPECT_EQ(on(lapse - 1, 0), RenewalStatus::Current);  // nothing is due within 0 days
    EXPECT_EQ(on(lapse, 0), RenewalStatus::Expired);
  }
}
