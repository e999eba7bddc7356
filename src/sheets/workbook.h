// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace vm::sheets {

// A spreadsheet in the program's own terms: sheets of rows of typed cells. Texts are UTF-8;
// dates are automation dates (days since 30 December 1899, the fraction the time of day), the
// way the record files hold them, whatever epoch the file itself counts from.
struct Cell {
  enum class Kind { Empty, Text, Number, Date };
  Kind kind = Kind::Empty;
  std::string text{};  // Text
  double value = 0;    // Number, Date

  static Cell ofText(std::string t) { return {Kind::Text, std::move(t), 0}; }
  static Cell ofNumber(double v) { return {Kind::Number, {}, v}; }
  static Cell ofDate(double d) { return {Kind::Date, {}, d}; }
  bool empty() const { return kind == Kind::Empty || (kind == Kind::Text && text.empty()); }
  bool operator==(const Cell&) const = default;
};

using Row = std::vector<Cell>;

struct Sheet {
  std::string name;
  std::vector<Row> rows{};  // rows may be shorter than others; missing cells are empty

  const Cell& at(std::size_t row, std::size_t column) const {
    static const Cell kEmpty;
    return row < rows.size() && column < rows[row].size() ? rows[row][column] : kEmpty;
  }
  std::size_t columns() const {
    std::size_t n = 0;
    for (const Row& r : rows) n = std::max(n, r.size());
    return n;
  }
};

struct Workbook {
  std::vector<Sheet> sheets{};
};

// A file that cannot be read as a spreadsheet, or written: the reason in the user's words.
class SheetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vm::sheets
