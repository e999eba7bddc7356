// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace vm::sheets {

// Whether a spreadsheet number format shows its number as a date or a time: one of the built-in
// date formats (14 to 22, 27 to 36, 45 to 47, 50 to 58), or a format code with a day, month,
// year, hour or second letter outside its quoted texts, escaped characters and [colour] or
// [$-locale] sections ("mm/dd/yyyy", "d-mmm-yy", "[$-409]yyyy\-mm\-dd"; not "0.00", "General"
// or "#,##0 \"days\"").
bool isDateFormat(std::size_t id, std::string_view code);

}  // namespace vm::sheets
