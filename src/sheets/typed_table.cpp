// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/typed_table.h"

#include <cstdlib>

#include "format/automation_date.h"
#include "format/number_parse.h"

namespace vm::sheets {
namespace {

bool digits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

int number(std::string_view s) { return std::atoi(std::string(s).c_str()); }

}  // namespace

std::optional<double> listedDate(std::string_view text) {
  if (text.size() != 10 || text[2] != '/' || text[5] != '/') return std::nullopt;
  const std::string_view m = text.substr(0, 2), d = text.substr(3, 2), y = text.substr(6, 4);
  if (!digits(m) || !digits(d) || !digits(y)) return std::nullopt;
  const format::DateTime t{number(y), number(m), number(d)};
  if (!format::isValid(t)) return std::nullopt;
  return format::toAutomationDate(t);
}

Sheet typedSheet(std::string name, const std::vector<std::string>& header,
                 const std::vector<std::vector<std::string>>& rows,
                 const std::vector<bool>& numericColumns) {
  Sheet sheet{std::move(name)};
  sheet.rows.reserve(rows.size() + 1);
  Row& head = sheet.rows.emplace_back();
  for (const std::string& h : header) head.push_back(Cell::ofText(h));
  for (const std::vector<std::string>& cells : rows) {
    Row& row = sheet.rows.emplace_back();
    row.reserve(cells.size());
    for (std::size_t c = 0; c < cells.size(); ++c) {
      const std::string& text = cells[c];
      if (const auto date = listedDate(text)) {
        row.push_back(Cell::ofDate(*date));
      } else if (c < numericColumns.size() && numericColumns[c] && format::isNumeric(text) &&
                 text.find_first_of(" \t") == std::string::npos) {
        row.push_back(Cell::ofNumber(std::strtod(text.c_str(), nullptr)));
      } else {
        row.push_back(text.empty() ? Cell{} : Cell::ofText(text));
      }
    }
  }
  return sheet;
}

}  // namespace vm::sheets
