// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "format/exported_cell.h"

namespace vm::format {

// Lists as text for spreadsheets. Cells are UTF-8, each first made safe to open by its kind
// (exported_cell.h: a text that a spreadsheet would read as a formula gets a leading apostrophe);
// columns without a kind given, and the header, are text. A cell that holds the separator, a
// double quote, a line break or blanks at either end is then put in double quotes, with every
// double quote in it doubled; any other cell is written bare.

// A comma-separated file (RFC 4180): a UTF-8 byte-order mark, so that spreadsheet programs
// read accents as such, then the header record and one record per row, each ended by CR LF.
std::string csvDocument(std::span<const std::string> header,
                        std::span<const std::vector<std::string>> rows,
                        std::span<const CellKind> kinds = {});

// Rows for the clipboard, as spreadsheet programs paste them: cells separated by tabs, each
// row ended by a line feed, no byte-order mark.
std::string tabSeparatedText(std::span<const std::vector<std::string>> rows,
                             std::span<const CellKind> kinds = {});

// One cell as it is written between the given separators.
std::string delimitedCell(std::string_view cell, char separator, CellKind kind = CellKind::Text);

}  // namespace vm::format
