// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/cell_text.h"

#include <array>
#include <cstdlib>

#include "format/automation_date.h"
#include "format/date_parse.h"
#include "format/date_text.h"
#include "format/number_parse.h"
#include "format/number_text.h"

namespace vm::imports {
namespace {

std::string_view blanksOff(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// The three numbers of "a/b/c" (or with "-" or "."), each of one to four digits.
std::optional<std::array<std::string_view, 3>> threeNumbers(std::string_view s) {
  std::array<std::string_view, 3> parts;
  const std::size_t sep = s.find_first_of("/-.");
  if (sep == std::string_view::npos) return std::nullopt;
  const char separator = s[sep];
  std::size_t at = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::size_t end = i < 2 ? s.find(separator, at) : s.size();
    if (end == std::string_view::npos) return std::nullopt;
    parts[i] = s.substr(at, end - at);
    if (parts[i].empty() || parts[i].size() > 4 ||
        parts[i].find_first_not_of("0123456789") != std::string_view::npos)
      return std::nullopt;
    at = end + 1;
  }
  return parts;
}

int toInt(std::string_view digits) { return std::atoi(std::string(digits).c_str()); }

int fullYear(std::string_view digits) {
  const int y = toInt(digits);
  if (digits.size() != 2) return digits.size() == 4 ? y : -1;
  return y < 30 ? 2000 + y : 1900 + y;
}

std::optional<double> dateOf(int year, int month, int day) {
  const format::DateTime t{year, month, day};
  if (!format::isValid(t)) return std::nullopt;
  return format::toAutomationDate(t);
}

}  // namespace

std::string cellText(const sheets::Cell& cell) {
  switch (cell.kind) {
    case sheets::Cell::Kind::Empty:
      return {};
    case sheets::Cell::Kind::Text:
      return std::string(blanksOff(cell.text));
    case sheets::Cell::Kind::Number:
      return format::generalNumber(cell.value);
    case sheets::Cell::Kind::Date:
      return format::formatDate(cell.value);
  }
  return {};
}

std::optional<double> cellDate(const sheets::Cell& cell, DateOrder order) {
  if (cell.kind == sheets::Cell::Kind::Date) return cell.value;
  if (cell.kind != sheets::Cell::Kind::Text) return std::nullopt;
  const std::string_view text = blanksOff(cell.text);
  // An ISO date may carry its time after a "T".
  const std::size_t t = text.find('T');
  const std::string_view day = t == 10 ? text.substr(0, 10) : text.substr(0, text.find(' '));
  if (const auto n = threeNumbers(day)) {
    const auto& [a, b, c] = *n;
    std::optional<double> date;
    if (a.size() == 4) {
      date = dateOf(toInt(a), toInt(b), toInt(c));
    } else if (c.size() != 4 && c.size() != 2) {
      return std::nullopt;
    } else {
      const bool dayFirst = order == DateOrder::DayFirst;
      date = dateOf(fullYear(c), toInt(dayFirst ? b : a), toInt(dayFirst ? a : b));
    }
    if (!date || day.size() == text.size()) return date;
    // The time of day after the date, as the general reader takes it.
    const auto whole = format::parseDate("01/01/2000 " + std::string(text.substr(day.size() + 1)));
    if (!whole) return std::nullopt;
    return *date + (format::toAutomationDate(*whole) - format::automationDateOf(2000, 1, 1));
  }
  const auto parsed = format::parseDate(text);
  if (!parsed) return std::nullopt;
  return format::toAutomationDate(*parsed);
}

bool ambiguousDate(const sheets::Cell& cell) {
  if (cell.kind != sheets::Cell::Kind::Text) return false;
  const std::string_view text = blanksOff(cell.text);
  const auto n = threeNumbers(text.substr(0, text.find(' ')));
  if (!n || (*n)[0].size() == 4) return false;
  const int a = toInt((*n)[0]), b = toInt((*n)[1]);
  return a >= 1 && a <= 12 && b >= 1 && b <= 12 && a != b;
}

std::optional<DateOrder> onlyOrder(const sheets::Cell& cell) {
  if (cell.kind != sheets::Cell::Kind::Text) return std::nullopt;
  const std::string_view text = blanksOff(cell.text);
  const auto n = threeNumbers(text.substr(0, text.find(' ')));
  if (!n || (*n)[0].size() == 4) return std::nullopt;
  const int a = toInt((*n)[0]), b = toInt((*n)[1]);
  if (a > 12 && b <= 12) return DateOrder::DayFirst;
  if (b > 12 && a <= 12) return DateOrder::MonthFirst;
  return std::nullopt;
}

std::optional<double> cellNumber(const sheets::Cell& cell) {
  if (cell.kind == sheets::Cell::Kind::Number) return cell.value;
  if (cell.kind != sheets::Cell::Kind::Text || !format::isNumeric(cell.text)) return std::nullopt;
  return std::strtod(std::string(blanksOff(cell.text)).c_str(), nullptr);
}

}  // namespace vm::imports
