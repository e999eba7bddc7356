// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_rows.h"

#include <charconv>

#include "format/number_parse.h"
#include "format/number_text.h"
#include "format/trim.h"
#include "store/field_codec.h"

namespace vm::courses {

namespace layout = store::layout::course;
using store::codec::getDouble;
using store::codec::getSingle;
using store::codec::getText;

std::vector<CourseRow> readCourseRows(store::FileTable& table) {
  // Listing leaves a missing index missing rather than creating it empty.
  if (!table.exists(store::DataFile::Courses)) return {};
  const store::OpenFile file(table, store::DataFile::Courses);
  std::vector<CourseRow> rows;
  rows.reserve(static_cast<std::size_t>(file.count()));
  table.scan(store::DataFile::Courses, 1, file.count(),
             [&](std::int32_t n, std::span<const char> record) {
               rows.push_back({format::trim(getText(record, layout::CourseCode)),
                               format::trim(getText(record, layout::CourseName)),
                               format::trim(getText(record, layout::ProvidedBy)),
                               hoursCell(getSingle(record, layout::Hours)),
                               courseIdText(getDouble(record, layout::DateCreated)), n});
               return true;
             });
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
