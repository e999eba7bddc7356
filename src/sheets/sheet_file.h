// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "sheets/workbook.h"

namespace vm::sheets {

// The one place that knows the spreadsheet file formats; the rest of the program sees only
// workbooks of typed cells (workbook.h). Both throw SheetError with the reason.

// Reads an .xlsx, .ods or .csv file (told apart by their contents, the name aside). Real date
// cells come back as dates, numbers as numbers, formulas as the values they were saved with,
// everything else as text. A CSV file is all text: UTF-8 (a byte-order mark is skipped), or
// Windows-1252 when it is not valid UTF-8; its cells are separated by commas, or by semicolons
// when its first line holds more of them.
Workbook readWorkbook(const std::string& path);

// Writes the workbook as an .xlsx file: the first row of each sheet bold and frozen, dates as
// date cells shown "mm/dd/yyyy", numbers as numbers, texts always as text (never formulas, even
// when they begin with "=" or "+"), and each column as wide as its longest text. The file is
// written under a temporary name and renamed over `path` only when it is whole, so a failure
// leaves whatever `path` held before.
void writeWorkbook(const std::string& path, const Workbook& book);

}  // namespace vm::sheets
