// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_find.h"

#include <string>

#include "format/text_case.h"

namespace vm::courses {

bool courseMatches(std::string_view code, std::string_view name, std::string_view findText) {
  std::string haystack(code);
  haystack += ' ';
  haystack += name;
  return format::lowerCase(haystack).find(format::lowerCase(findText)) != std::string::npos;
}

int findNextRow(int rowCount, int start, const std::function<bool(int row)>& matches) {
  if (rowCount < 1) return 0;
  if (start < 1 || start > rowCount) start = rowCount;
  int candidate = start;
  do {
    candidate = candidate == rowCount ? 1 : candidate + 1;
    if (matches(candidate)) return candidate;
  } while (candidate != start);
  return 0;
}

}  // namespace vm::courses
