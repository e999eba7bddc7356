// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheets/workbook.h"

namespace vm::sheets {

// A list as the windows show it, texts only, made a sheet of typed cells for a spreadsheet file:
// the header row as texts, then each cell as what it shows. A date the way the lists write it
// ("mm/dd/yyyy") becomes a date cell in any column; a number becomes a number cell in the columns
// marked numeric (those the list aligns right or centred, where it shows hours and counts, never
// an employee ID or a course code that merely looks like a number); the rest stays text.
Sheet typedSheet(std::string name, const std::vector<std::string>& header,
                 const std::vector<std::vector<std::string>>& rows,
                 const std::vector<bool>& numericColumns);

// The automation date of a text written exactly "mm/dd/yyyy", as the lists show dates.
std::optional<double> listedDate(std::string_view text);

}  // namespace vm::sheets
