// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_rows.h"

#include <charconv>

#include "format/number_parse.h"
#include "format/number_text.h"
#include "format/trim.h"

namespace vm::courses {

std::vector<CourseRow> courseRows(std::span<const store::CourseRecord> courses) {
  std::vector<CourseRow> rows;
  rows.reserve(courses.size());
  std::int32_t n = 0;
  for (const store::CourseRecord& c : courses)
    rows.push_back({format::trim(c.CourseCode), format::trim(c.CourseName),
                    format::trim(c.ProvidedBy), hoursCell(c.Hours), courseIdText(c.DateCreated),
                    ++n});
  return rows;
}

std::string hoursCell(float hours) { return hours > 0 ? format::formatOneDecimal(hours) : ""; }

std::string courseIdText(double dateCreated) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, dateCreated).ptr;
  return {text, end};
}

std::optional<double> courseIdValue(std::string_view text) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool canCreditCourse(int accessLevel, std::string_view hoursCell) {
  return (accessLevel == 3 || accessLevel == 4) && format::leadingNumber(hoursCell) > 0;
}

}  // namespace vm::courses
