// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "format/automation_date.h"
#include "sheets/workbook.h"

namespace vm::test {

// A sheet from texts as a test writes them: "" is an empty cell, "@mm/dd/yyyy" a date cell and
// "#2.5" a number cell; anything else a text.
inline sheets::Sheet sheetOf(std::string name, const std::vector<std::vector<std::string>>& rows) {
  sheets::Sheet sheet{std::move(name)};
  for (const auto& cells : rows) {
    sheets::Row& row = sheet.rows.emplace_back();
    for (const std::string& c : cells) {
      if (c.empty()) {
        row.emplace_back();
      } else if (c[0] == '@' && c.size() == 11) {
        row.push_back(sheets::Cell::ofDate(format::automationDateOf(
            std::stoi(c.substr(7, 4)), std::stoi(c.substr(1, 2)), std::stoi(c.substr(4, 2)))));
      } else if (c[0] == '#' && c.size() > 1) {
        row.push_back(sheets::Cell::ofNumber(std::stod(c.substr(1))));
      } else {
        row.push_back(sheets::Cell::ofText(c));
      }
    }
  }
  return sheet;
}

}  // namespace vm::test
