// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vm::format {

// Lists as text for spreadsheets. Cells are UTF-8 and are written exactly as given: a cell
// that holds the separator, a double quote, a line break or blanks at either end is put in
// double quotes, with every double quote in it doubled; any other cell is written bare.

// A comma-separated file (RFC 4180): a UTF-8 byte-order mark, so that spreadsheet programs
// read accents as such, then the header record and one record per row, each ended by CR LF.
std::string csvDocument(std::span<const std::string> header,
                        std::span<const std::vector<std::string>> rows);

// Rows for the clipboard, as spreadsheet programs paste them: cells separated by tabs, each
// row ended by a line feed, no byte-order mark.
std::string tabSeparatedText(std::span<const std::vector<std::string>> rows);

// One cell as it is written between the given separators.
std::string delimitedCell(std::string_view cell, char separator);

}  // namespace vm::format
