// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "search/match_search.h"

namespace vm::search {

// The four criteria boxes of the search: from-date, to-date, course code, training comments.
inline constexpr std::size_t kFromDate = 0, kToDate = 1, kCourseCode = 2, kComments = 3;
using CriteriaBoxes = std::array<std::string, 4>;

// The most each box takes, in characters.
inline constexpr std::array<int, 4> kCriteriaLimits = {10, 10, 8, 20};

// A refused entry: the message lines (joined by line breaks) and the box that gets the focus.
struct EntryError {
  std::string text;
  std::size_t box = 0;
};

struct CriteriaEntry {
  // What the boxes show after the check: trimmed of blanks and, when the search may start, a
  // lone from-date copied into the to-date box (a single date is that one day).
  CriteriaBoxes boxes;
  std::optional<EntryError> error;  // the first check that failed
  MatchCriteria criteria;           // when there is no error
};

// Whether any box holds more than blanks: the search can be asked for.
bool anyCriterion(const CriteriaBoxes& boxes);

// Checks the boxes in order and stops at the first failure: a date that does not read, a to-date
// without a from-date, a from-date later than the to-date (equal dates pass).
CriteriaEntry checkCriteria(const CriteriaBoxes& boxes, MatchMode mode);

// The numeric value of the year box: its leading number, 0 when there is none.
double summaryYear(std::string_view text);
// Whether the summary can be asked for: a year from 1955 to the current one.
bool summaryYearAllowed(std::string_view text, int currentYear);

}  // namespace vm::search
