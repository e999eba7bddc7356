// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/automation_date.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "format/date_time_printer.h"

using vm::format::automationDateOf;
using vm::format::DateTime;
using vm::format::daysInMonth;
using vm::format::fromAutomationDate;
using vm::format::toAutomationDate;

TEST(AutomationDate, KnownDaysAndTheMissingLeapDayOf1900) {
  const struct {
    double serial;
    DateTime date;
  } cases[] = {
      {-657434, {100, 1, 1}}, {-1, {1899, 12, 29}},      {0, {1899, 12, 30}},
      {1, {1899, 12, 31}},    {2, {1900, 1, 1}},         {60, {1900, 2, 28}},
      {61, {1900, 3, 1}},     {36526, {2000, 1, 1}},     {36585, {2000, 2, 29}},
      {38425, {2005, 3, 14}}, {2958465, {9999, 12, 31}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fromAutomationDate(c.serial), c.date) << c.serial;
    EXPECT_EQ(automationDateOf(c.date.year, c.date.month, c.date.day), c.serial) << c.serial;
  }
}

TEST(AutomationDate, EveryDayOfTheRangeFollowsTheCalendar) {
  DateTime expected{100, 1, 1};
  for (double serial = vm::format::kMinAutomationDay; serial <= vm::format::kMaxAutomationDay;
       ++serial) {
    if (fromAutomationDate(serial) != expected || toAutomationDate(expected) != serial) {
      ADD_FAILURE() << "day " << serial;
      return;
    }
    if (++expected.day > daysInMonth(expected.year, expected.month)) {
      expected.day = 1;
      if (++expected.month > 12) {
        expected.month = 1;
        ++expected.year;
      }
    }
  }
  EXPECT_EQ(expected, (DateTime{10000, 1, 1}));
}

TEST(AutomationDate, TimeOfDayOnBothSidesOfTheEpoch) {
  EXPECT_EQ(fromAutomationDate(-1.25), (DateTime{1899, 12, 29, 6}));
  EXPECT_EQ(toAutomationDate({1899, 12, 29, 6}), -1.25);
  EXPECT_EQ(fromAutomationDate(-0.5), (DateTime{1899, 12, 30, 12}));
  EXPECT_EQ(fromAutomationDate(0.5), (DateTime{1899, 12, 30, 12}));
  EXPECT_EQ(fromAutomationDate(38425.588298611111), (DateTime{2005, 3, 14, 14, 7, 9}));

  for (const DateTime day :
       {DateTime{1899, 12, 28}, DateTime{2005, 3, 14}, DateTime{9999, 12, 31}}) {
    for (int s = 0; s < 86400; ++s) {
      const DateTime t{day.year, day.month, day.day, s / 3600, s / 60 % 60, s % 60};
      if (fromAutomationDate(toAutomationDate(t)) != t) {
        ADD_FAILURE() << "second " << s << " of " << day.year;
        break;
      }
    }
  }
}

TEST(AutomationDate, RoundsToTheNearestSecond) {
  const double second = 1.0 / 86400;
  EXPECT_EQ(fromAutomationDate(38425 + 9.4 * second), (DateTime{2005, 3, 14, 0, 0, 9}));
  EXPECT_EQ(fromAutomationDate(38425 + 9.6 * second), (DateTime{2005, 3, 14, 0, 0, 10}));
  EXPECT_EQ(fromAutomationDate(38426 - 0.4 * second), (DateTime{2005, 3, 15}));
  // Before the epoch the time still runs forward: the last moment of 29 Dec 1899 rounds
  // up into 30 Dec, not back to 28 Dec.
  EXPECT_EQ(fromAutomationDate(-1 - (1 - 0.4 * second)), (DateTime{1899, 12, 30}));
}

TEST(AutomationDate, DamagedValuesReadAsADateInRange) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(fromAutomationDate(std::nan("")), (DateTime{1899, 12, 30}));
  EXPECT_EQ(fromAutomationDate(1e300), (DateTime{9999, 12, 31, 23, 59, 59}));
  EXPECT_EQ(fromAutomationDate(inf), (DateTime{9999, 12, 31, 23, 59, 59}));
  EXPECT_EQ(fromAutomationDate(2958465.9999999), (DateTime{9999, 12, 31, 23, 59, 59}));
  EXPECT_EQ(fromAutomationDate(-1e300), (DateTime{100, 1, 1}));
  EXPECT_EQ(fromAutomationDate(-657434.5), (DateTime{100, 1, 1, 12}));
  EXPECT_EQ(fromAutomationDate(-657435.5), (DateTime{100, 1, 1}));
}

TEST(AutomationDate, DayNumberIsTheDayOfTheDateAsRead) {
  const double second = 1.0 / 86400;
  for (const double date : {38425.0, 38425 + 0.5, 38426 - 0.6 * second, 38426 - 0.4 * second, -1.25,
                            -1 - (1 - 0.4 * second), 0.0, -657434.5, 1e300, -1e300, std::nan("")}) {
    const DateTime t = fromAutomationDate(date);
    EXPECT_EQ(vm::format::automationDay(date), automationDateOf(t.year, t.month, t.day)) << date;
  }
}
