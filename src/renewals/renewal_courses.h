// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "courses/course_rows.h"
#include "renewals/renewal_list.h"
#include "renewals/renewal_periods.h"

namespace vm::renewals {

// A course of the Course Index with its renewal period, as the renewals windows list it.
struct PeriodRow {
  std::string code;
  std::string name;
  std::string id;  // the course's DateCreated as the Course Index grid holds it
  double courseId = 0;
  int months = 0;        // 0: its trainings never lapse
  bool heading = false;  // a category heading (no hours)
};

// The courses in the Course Index's order, by code ignoring letter case (equal codes in file
// order), each with its period.
std::vector<PeriodRow> periodRows(const std::vector<courses::CourseRow>& courses,
                                  const RenewalPeriods& periods);

// The places in `rows` of the category headings.
std::vector<std::size_t> headingsOf(const std::vector<PeriodRow>& rows);

// The courses with a period that are not headings: all of them, or only those listed under the
// heading at `heading` (up to the next heading).
std::vector<std::size_t> renewedCourses(const std::vector<PeriodRow>& rows,
                                        std::optional<std::size_t> heading = std::nullopt);

// A period as typed: blank is 0 (never lapses); otherwise whole months from 0 to kMostMonths.
// Nothing for any other text.
std::optional<int> periodEntry(std::string_view text);

// The log-in notice: "N trainings have expired and M fall due within D days".
std::string noticeText(const RenewalCounts& counts, int dueWithin);

// Whether the log-in notice has anything to say.
bool noticeWanted(const RenewalCounts& counts);

}  // namespace vm::renewals
