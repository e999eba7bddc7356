// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace vm::courses {

// What the course editor's Hours box holds: a number any numeric text gives ("1e2" is 100), refused
// when it is no number at all or lies beyond the range of the stored single, which would otherwise
// be kept as an infinity.
struct HoursEntry {
  enum class Problem { None, NotNumeric, TooLarge };
  Problem problem = Problem::None;
  float hours = 0;
};
HoursEntry readHoursEntry(std::string_view text);

// Whether the entered code is the tombstone of removed records: a course saved under it would
// vanish with the next course removal.
bool isReservedCourseCode(std::string_view code);

}  // namespace vm::courses
