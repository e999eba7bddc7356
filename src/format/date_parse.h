// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "format/date_time.h"

namespace vm::format {

// Reads a date as users type it, with an optional time of day after a blank.
//
// Dates: three groups separated by "/", "-", "." or blanks (the same one twice):
//   month/day/year     03/15/2004, 3-5-04, 3.5.2004, 3 5 2004
//   year/month/day     2004-03-15 (the first group has four digits)
// or with a month name, full or three letters, any case, between or before the numbers:
//   March 15, 2004   Mar. 15 2004   15 Mar 2004   15-mar-04   2004-Mar-15
// Years have two or four digits; two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
// Day-first numbers are not read: 13/05/2004 is refused, never taken as 13 May.
//
// Times: 14:30, 14:30:15, 2:30 pm, 2:30:15PM, 2 pm (minutes and seconds have two digits).
//
// Refused: empty text, impossible dates or times (02/30/2005, 13/45/2004, 25:00), dates
// outside the years 100 to 9999, anything else before, between or after.
std::optional<DateTime> parseDate(std::string_view text);

}  // namespace vm::format
