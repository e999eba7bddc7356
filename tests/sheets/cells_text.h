// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "format/date_text.h"
#include "format/number_text.h"
#include "sheets/workbook.h"

namespace vm::test {

// A sheet as lines of cells a test can compare at a glance: texts as they are, numbers as "#2.5",
// dates as "@03/15/2004", empty cells as nothing, separated by "|".
inline std::vector<std::string> cellsText(const sheets::Sheet& sheet) {
  std::vector<std::string> lines;
  for (const sheets::Row& row : sheet.rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) line += '|';
      const sheets::Cell& cell = row[c];
      switch (cell.kind) {
        case sheets::Cell::Kind::Empty:
          break;
        case sheets::Cell::Kind::Text:
          line += cell.text;
          break;
        case sheets::Cell::Kind::Number:
          line += "#" + format::generalNumber(cell.value);
          break;
        case sheets::Cell::Kind::Date:
          line += "@" + format::formatDate(cell.value);
          break;
      }
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace vm::test
