// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "format/date_time.h"

namespace vm::store {

// One line of "Change.Log" says who changed which record, when, and from what to what. It is
// Windows-1252 text ended by CR LF, five columns separated by tabs:
//
//   date and time <TAB> user <TAB> action <TAB> record <TAB> details <CR LF>
//
//   12/08/2026 10:30:00	Dana Demo	person edited	Ann Lee	Last Name: "Lee" -> "Li"
//
// The date and time are local, "mm/dd/yyyy hh:nn:ss" on a 24-hour clock. The record is named as
// users know it (a person's name; a course's code and name; a training record's person, date,
// code and course name; a user's name; a folder). Details are separated by "; ": an edit gives
// each changed field as `Field: "old" -> "new"` ("->": Windows-1252 has no arrow character), an
// addition each field it filled as `Field: "value"`, a user's new password only "password
// changed", never the password. Inside a value in double quotes every double quote is doubled
// (`Comments: "credit, ""test"""`), so that a quoted value ends at the first double quote standing
// alone, and a "; " or " -> " inside it is part of the value: every line reads one way only. The
// README describes the line for other programs that read the log. Control characters in any value
// (line breaks above all) are written as blanks, so one change is always one line and a tab always
// separates columns; a value longer than kLongestValue characters keeps its first kLongestValue - 1
// and an ellipsis
// ("…", which Windows-1252 has); a character Windows-1252 lacks is written as "?".

// Who made a change, and when (local time, to the second).
struct ChangeAuthor {
  std::string user;  // as logged in: first name, a space, last name
  format::DateTime when;
};

// The user of changes made in the admin window, which the access code opens to nobody in
// particular.
inline constexpr std::string_view kAdministrator = "(administrator)";

inline constexpr std::size_t kLongestValue = 100;

// A count that only the work itself finds out, and that completes its line when it is done: the
// training records a person's deletion removed, or those a course change was carried into.
enum class Tally { None, TrainingRemoved, TrainingUpdated };

// One change, as its line tells it. The texts are UTF-8 and already in the log's form (see
// logValue); the line puts them together.
struct Change {
  std::string action{};                // "person edited"
  std::string record{};                // "Ann Lee"
  std::vector<std::string> details{};  // "Last Name: \"Lee\" -> \"Li\"", "password changed"
  Tally tally = Tally::None;
  std::size_t tallyStep = 0;  // the step of the work whose result is counted
};

// A value as the log writes it: control characters as blanks, cut with an ellipsis when long.
std::string logValue(std::string_view utf8);
// The same in double quotes, each double quote in it doubled.
std::string quoted(std::string_view utf8);

// The line in Windows-1252 without its tally and its line end, as the work's journal keeps it
// until the work is done.
std::string pendingLine(const ChangeAuthor& author, const Change& change);

// The whole line, CR LF included: the pending line with its tally ("23 training records removed",
// "12 of 250 training records updated") added as the last detail.
std::string finishedLine(std::string_view pending, Tally tally, std::int32_t counted,
                         std::int32_t reviewed);

}  // namespace vm::store
