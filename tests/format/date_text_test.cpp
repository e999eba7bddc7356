// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/date_text.h"

#include <gtest/gtest.h>

#include "format/automation_date.h"

using namespace vm::format;

namespace {
double at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return toAutomationDate({y, mo, d, h, mi, s});
}
}  // namespace

TEST(DateText, TheProgramsFormatsOfOneMoment) {
  const double t = at(2005, 3, 14, 14, 7, 9);
  EXPECT_EQ(formatDate(t), "03/14/2005");
  EXPECT_EQ(formatDateTimeAmPm(t), "03/14/2005 02:07pm ");
  EXPECT_EQ(formatTime(t), "14:07:09");
  EXPECT_EQ(formatYyyymmdd(t), "20050314");
  EXPECT_EQ(formatGeneralDateTime(t), "3/14/2005 2:07:09 PM");
}

TEST(DateText, TwelveHourClockAroundMidnightAndNoon) {
  const struct {
    int hour, minute;
    const char* amPm;
    const char* general;
  } cases[] = {
      {0, 0, "12/05/2004 12:00am ", "12/5/2004"},
      {0, 30, "12/05/2004 12:30am ", "12/5/2004 12:30:00 AM"},
      {11, 59, "12/05/2004 11:59am ", "12/5/2004 11:59:00 AM"},
      {12, 0, "12/05/2004 12:00pm ", "12/5/2004 12:00:00 PM"},
      {23, 5, "12/05/2004 11:05pm ", "12/5/2004 11:05:00 PM"},
  };
  for (const auto& c : cases) {
    const double t = at(2004, 12, 5, c.hour, c.minute);
    EXPECT_EQ(formatDateTimeAmPm(t), c.amPm);
    EXPECT_EQ(formatGeneralDateTime(t), c.general);
  }
  EXPECT_EQ(formatTime(at(2004, 12, 5)), "00:00:00");
}

TEST(DateText, EdgesOfTheRangeAndRounding) {
  EXPECT_EQ(formatDate(vm::format::kMinAutomationDay), "01/01/0100");
  EXPECT_EQ(formatYyyymmdd(vm::format::kMinAutomationDay), "01000101");
  EXPECT_EQ(formatDate(vm::format::kMaxAutomationDay), "12/31/9999");
  EXPECT_EQ(formatDate(-1.25), "12/29/1899");
  EXPECT_EQ(formatTime(-1.25), "06:00:00");
  // 23:59:59.7 is shown as the next midnight in every format.
  const double late = at(2005, 3, 14) + (86400 - 0.3) / 86400;
  EXPECT_EQ(formatDate(late), "03/15/2005");
  EXPECT_EQ(formatTime(late), "00:00:00");
  EXPECT_EQ(formatDateTimeAmPm(late), "03/15/2005 12:00am ");
  // Minutes are cut, not rounded, as a clock shows them.
  EXPECT_EQ(formatDateTimeAmPm(at(2005, 3, 14, 14, 7, 59)), "03/14/2005 02:07pm ");
}
