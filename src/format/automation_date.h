// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "format/date_time.h"

namespace vm::format {

// Dates are stored as automation dates: the whole part counts days since 30 December 1899
// and the fraction is the time of day. Before that day the whole part is negative while the
// fraction still counts forward from midnight, so -1.25 is 29 December 1899 06:00.

// 1 January 100 and 31 December 9999, the first and last days that can be held.
inline constexpr double kMinAutomationDay = -657434.0;
inline constexpr double kMaxAutomationDay = 2958465.0;

// `t` must be valid (see isValid).
double toAutomationDate(const DateTime& t);
double automationDateOf(int year, int month, int day);

// Rounds to the nearest second. A value outside the range that can be held is taken as the
// nearest moment inside it, and a value that is not a number as 30 December 1899, so a
// damaged field still reads as some date.
DateTime fromAutomationDate(double date);

// The calendar day of the date as fromAutomationDate takes it (to the nearest second, within the
// range that can be held), counted in days since 30 December 1899. Days compare as the dates do,
// so scans test a record's day against a range without building the date.
std::int64_t automationDay(double date);

}  // namespace vm::format
