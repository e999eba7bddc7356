// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/criteria_entry.h"

#include <algorithm>

#include "format/automation_date.h"
#include "format/date_parse.h"
#include "format/number_parse.h"
#include "format/trim.h"

namespace vm::search {
namespace {

constexpr int kFirstSummaryYear = 1955;

std::int64_t dayOf(const format::DateTime& t) {
  return format::automationDay(format::automationDateOf(t.year, t.month, t.day));
}

}  // namespace

bool anyCriterion(const CriteriaBoxes& boxes) {
  return std::any_of(boxes.begin(), boxes.end(),
                     [](const std::string& b) { return !format::trimView(b).empty(); });
}

CriteriaEntry checkCriteria(const CriteriaBoxes& boxes, MatchMode mode) {
  CriteriaEntry out;
  for (std::size_t i = 0; i < boxes.size(); ++i) out.boxes[i] = format::trim(boxes[i]);
  const std::string& from = out.boxes[kFromDate];
  const std::string& to = out.boxes[kToDate];

  const std::optional<format::DateTime> fromDate =
      from.empty() ? std::nullopt : format::parseDate(from);
  const std::optional<format::DateTime> toDate = to.empty() ? std::nullopt : format::parseDate(to);
  if (!from.empty() && !fromDate) {
    out.error = EntryError{"Check the first date entry", kFromDate};
  } else if (!to.empty() && !toDate) {
    out.error = EntryError{"Check the second date entry", kToDate};
  } else if (from.empty() && !to.empty()) {
    out.error = EntryError{"You can't have a 'to' date\nwithout a 'from' date...", kFromDate};
  } else if (fromDate && toDate && dayOf(*toDate) < dayOf(*fromDate)) {
    out.error = EntryError{"The 'from' date cannot be\nlater than the 'to' date", kFromDate};
  }
  if (out.error) return out;

  if (fromDate) {
    out.criteria.days = DayRange{dayOf(*fromDate), dayOf(toDate ? *toDate : *fromDate)};
    if (to.empty()) out.boxes[kToDate] = from;
  }
  out.criteria.courseCode = out.boxes[kCourseCode];
  out.criteria.comments = out.boxes[kComments];
  out.criteria.mode = mode;
  return out;
}

double summaryYear(std::string_view text) { return format::leadingNumber(text); }

bool summaryYearAllowed(std::string_view text, int currentYear) {
  const double year = summaryYear(text);
  return year >= kFirstSummaryYear && year <= currentYear;
}

}  // namespace vm::search
