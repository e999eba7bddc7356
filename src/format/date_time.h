// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vm::format {

// A calendar date and time of day to the second, in the proleptic Gregorian calendar.
struct DateTime {
  int year;
  int month;
  int day;
  int hour = 0;
  int minute = 0;
  int second = 0;

  bool operator==(const DateTime&) const = default;
};

// Years the stored dates can hold.
inline constexpr int kMinYear = 100;
inline constexpr int kMaxYear = 9999;

constexpr bool isLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int daysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// True when the date exists, lies in kMinYear..kMaxYear and the time is a time of day.
constexpr bool isValid(const DateTime& t) {
  return t.year >= kMinYear && t.year <= kMaxYear && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
         t.day <= daysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
         t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

}  // namespace vm::format
