// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/records.h"

namespace vm::courses {

// The Course Index grid's columns: four the user sees, then the course's identity and its record
// number, which are never shown.
inline constexpr const char* kCourseGridFormat =
    "<Course Code|<Name of Course|<Provided by|>Hours|ID|RecNum";
enum CourseColumn { kCode = 0, kName = 1, kProvider = 2, kHours = 3, kId = 4, kRecNum = 5 };

// One course as the Course Index lists it, texts trimmed.
struct CourseRow {
  std::string code;
  std::string name;
  std::string provider;
  std::string hours;  // see hoursCell
  std::string id;     // see courseIdText
  std::int32_t recNum = 0;
};

// The index's rows of the courses, numbered 1 on in the order given, whatever they hold.
std::vector<CourseRow> courseRows(std::span<const store::CourseRecord> courses);

// "###.0" for a course with hours (2.5, 40.0, .5); empty for a category heading, whose hours are 0
// or less.
std::string hoursCell(float hours);

// The course's DateCreated as text that reads back to exactly the same value, so a course is found
// again by its identity after the list is rebuilt.
std::string courseIdText(double dateCreated);
std::optional<double> courseIdValue(std::string_view text);

// Whether the highlighted course may be credited: a user who may add (access 3 or 4) and a course
// whose Hours cell holds more than 0, so never a category heading.
bool canCreditCourse(int accessLevel, std::string_view hoursCell);

}  // namespace vm::courses
