// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vm::sheets {

// A text that an .xlsx cell holds itself ("inline", as writers that stream their rows put it)
// rather than in the file's table of shared texts, which the import filter passes over.
struct InlineText {
  std::size_t sheet;   // in the order of the workbook
  std::size_t row;     // from 0
  std::size_t column;  // from 0
  std::string text;    // UTF-8, the file's escapes undone
};

// Every inline text of an .xlsx file's sheets, read from their XML; none when the file has none.
// Throws what the zip reader throws for a damaged archive.
std::vector<InlineText> inlineTexts(std::string_view xlsx);

}  // namespace vm::sheets
