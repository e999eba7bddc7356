// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/automation_date.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vm::format {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 1 January 1970 to the given date and back (proleptic Gregorian calendar),
// counted in 400-year eras so the arithmetic stays exact for every year.
constexpr std::int64_t daysFromCivil(int year, int month, int day) {
  const std::int64_t y = year - (month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(std::int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

constexpr std::int64_t kEpoch = daysFromCivil(1899, 12, 30);
static_assert(daysFromCivil(100, 1, 1) - kEpoch == static_cast<std::int64_t>(kMinAutomationDay));
static_assert(daysFromCivil(9999, 12, 31) - kEpoch == static_cast<std::int64_t>(kMaxAutomationDay));

}  // namespace

double toAutomationDate(const DateTime& t) {
  const auto days = static_cast<double>(daysFromCivil(t.year, t.month, t.day) - kEpoch);
  const double timeOfDay = (t.hour * 3600 + t.minute * 60 + t.second) / double(kSecondsPerDay);
  return days >= 0 ? days + timeOfDay : days - timeOfDay;
}

double automationDateOf(int year, int month, int day) {
  return toAutomationDate({year, month, day});
}

namespace {

// Seconds since 30 December 1899 on a line that runs forward through the negative days, rounded
// to the nearest second and kept within the first and last days that can be held.
std::int64_t secondsOf(double date) {
  if (std::isnan(date)) date = 0;
  // Clamp first so the whole part fits an integer; the exact limits follow below.
  date = std::clamp(date, kMinAutomationDay - 1, kMaxAutomationDay + 1);
  const double whole = std::trunc(date);
  const double fraction = std::fabs(date - whole);
  const std::int64_t seconds = static_cast<std::int64_t>(whole) * kSecondsPerDay +
                               static_cast<std::int64_t>(std::round(fraction * kSecondsPerDay));
  return std::clamp(seconds, static_cast<std::int64_t>(kMinAutomationDay) * kSecondsPerDay,
                    static_cast<std::int64_t>(kMaxAutomationDay + 1) * kSecondsPerDay - 1);
}

// Whole days, rounded down, so that a time of day never counts as the day before.
std::int64_t floorDays(std::int64_t seconds) {
  const std::int64_t days = seconds / kSecondsPerDay;
  return seconds % kSecondsPerDay < 0 ? days - 1 : days;
}

}  // namespace

std::int64_t automationDay(double date) { return floorDays(secondsOf(date)); }

DateTime fromAutomationDate(double date) {
  const std::int64_t seconds = secondsOf(date);
  const std::int64_t days = floorDays(seconds);
  const std::int64_t secondOfDay = seconds - days * kSecondsPerDay;
  DateTime t{};
  civilFromDays(days + kEpoch, t.year, t.month, t.day);
  t.hour = static_cast<int>(secondOfDay / 3600);
  t.minute = static_cast<int>(secondOfDay / 60 % 60);
  t.second = static_cast<int>(secondOfDay % 60);
  return t;
}

}  // namespace vm::format
