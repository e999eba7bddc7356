// SPDX-License-Identifier: GPL-3.0-or-later
#include "renewals/renewal_courses.h"

#include <algorithm>

#include "format/text_case.h"
#include "format/trim.h"

namespace vm::renewals {

std::vector<PeriodRow> periodRows(const std::vector<courses::CourseRow>& courses,
                                  const RenewalPeriods& periods) {
  std::vector<PeriodRow> rows;
  rows.reserve(courses.size());
  for (const courses::CourseRow& c : courses) {
    PeriodRow row{c.code, c.name, c.id, 0, 0, c.hours.empty()};
    if (const auto id = courses::courseIdValue(c.id)) {
      row.courseId = *id;
      row.months = periods.monthsOf(*id);
    }
    rows.push_back(std::move(row));
  }
  std::vector<std::size_t> order(rows.size());
  std::vector<std::string> lower(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    order[i] = i;
    lower[i] = format::lowerCase(rows[i].code);
  }
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return lower[a] < lower[b]; });
  std::vector<PeriodRow> sorted;
  sorted.reserve(rows.size());
  for (std::size_t i : order) sorted.push_back(std::move(rows[i]));
  return sorted;
}

std::vector<std::size_t> headingsOf(const std::vector<PeriodRow>& rows) {
  std::vector<std::size_t> headings;
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].heading) headings.push_back(i);
  return headings;
}

std::vector<std::size_t> renewedCourses(const std::vector<PeriodRow>& rows,
                                        std::optional<std::size_t> heading) {
  std::vector<std::size_t> chosen;
  const std::size_t from = heading ? *heading + 1 : 0;
  for (std::size_t i = from; i < rows.size(); ++i) {
    if (rows[i].heading) {
      if (heading) break;
      continue;
    }
    if (rows[i].months > 0) chosen.push_back(i);
  }
  return chosen;
}

std::optional<int> periodEntry(std::string_view text) {
  const std::string_view t = format::trimView(text);
  if (t.empty()) return 0;
  if (t.size() > 3 || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  int months = 0;
  for (char c : t) months = months * 10 + (c - '0');
  return months;
}

std::string noticeText(const RenewalCounts& counts, int dueWithin) {
  return std::to_string(counts.expired) + " trainings have expired and " +
         std::to_string(counts.due) + " fall due within " + std::to_string(dueWithin) + " days";
}

bool noticeWanted(const RenewalCounts& counts) { return counts.expired > 0 || counts.due > 0; }

}  // namespace vm::renewals
