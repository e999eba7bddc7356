// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vm::format {

// Texts of an automation date (see automation_date.h), each taken after rounding the
// date to the nearest second.

// "mm/dd/yyyy", as in lists and the user log: 03/14/2005.
std::string formatDate(double date);

// "mm/dd/yyyy hh:mmam/pm " on a 12-hour clock with its trailing blank: "03/14/2005 02:07pm ".
std::string formatDateTimeAmPm(double date);

// "hh:nn:ss" on a 24-hour clock: 14:07:09.
std::string formatTime(double date);

// "yyyymmdd", a key that sorts as the dates do: 20050314.
std::string formatYyyymmdd(double date);

// The general date-time text, "3/14/2005 2:07:09 PM", or the date alone ("3/14/2005") at
// midnight. parseDate reads it back to the same second.
std::string formatGeneralDateTime(double date);

}  // namespace vm::format
