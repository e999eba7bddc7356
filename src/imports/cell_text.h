// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "sheets/workbook.h"

namespace vm::imports {

// How a text date of three numbers is read when its first two could be either: 03/04/2004 is
// 4 March month first, 3 April day first.
enum class DateOrder { MonthFirst, DayFirst };

// A cell as its text: a text without blanks (spaces, tabs, line breaks) at either end, a number
// in its general form (1002, 2.5), a date as "mm/dd/yyyy".
std::string cellText(const sheets::Cell& cell);

// The automation date of a cell: a date cell as it is; a text as "mm/dd/yyyy" (or day first, as
// `order` says; "-" and "." separate as well as "/", and a two-digit year 00-29 is 20xx, 30-99
// 19xx), "yyyy-mm-dd" (with a time after a blank or "T"), or with a month name ("15 Mar 2004",
// "March 15, 2004"). Nothing for anything else, a number cell included: a number is no date unless
// the file shows it as one.
std::optional<double> cellDate(const sheets::Cell& cell, DateOrder order);

// Whether a text date reads one way month first and another way day first: both of its first two
// numbers are 12 or less and they differ.
bool ambiguousDate(const sheets::Cell& cell);
// Whether a text date can be read only day first (its first number is above 12) or only month
// first (its second is).
std::optional<DateOrder> onlyOrder(const sheets::Cell& cell);

// The hours of a cell: a number cell, or a text that is one number. Nothing for anything else.
std::optional<double> cellNumber(const sheets::Cell& cell);

}  // namespace vm::imports
