// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

namespace vm::courses {

// Whether a course matches the find text: its code, one space and its name, in lower case, contain
// the find text in lower case, blanks and all. The provider is not searched.
bool courseMatches(std::string_view code, std::string_view name, std::string_view findText);

// The row that "Find Next..." highlights among rows 1 to rowCount: the first match after `start`,
// going on at row 1 past the last row, `start` itself tried last. Without a highlighted row
// (`start` 0) the search begins at row 1. Returns 0 when no row matches.
int findNextRow(int rowCount, int start, const std::function<bool(int row)>& matches);

}  // namespace vm::courses
