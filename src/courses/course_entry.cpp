// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_entry.h"

#include <cmath>
#include <string>

#include "format/number_parse.h"
#include "format/number_text.h"
#include "format/trim.h"
#include "store/compaction.h"

namespace vm::courses {

HoursEntry readHoursEntry(std::string_view text) {
  if (!format::isNumeric(text)) return {HoursEntry::Problem::NotNumeric, 0};
  const float hours = format::toSingle(format::leadingNumber(format::trimView(text)));
  if (std::isinf(hours)) return {HoursEntry::Problem::TooLarge, 0};
  return {HoursEntry::Problem::None, hours};
}

bool isReservedCourseCode(std::string_view code) {
  return format::trimView(code) == store::kTombstone;
}

}  // namespace vm::courses
