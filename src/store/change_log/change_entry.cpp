// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/change_log/change_entry.h"

#include <algorithm>
#include <array>
#include <vector>

#include "format/cp1252.h"
#include "format/text_case.h"

namespace vm::store {
namespace {

// Small letters of every Windows-1252 byte, by the program's one rule for letter case.
const std::array<char, 256>& smallLetters() {
  static const std::array<char, 256> table = [] {
    std::array<char, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const std::string one(1, static_cast<char>(b));
      const std::string small = format::utf8ToCp1252(format::lowerCase(format::cp1252ToUtf8(one)));
      t[static_cast<std::size_t>(b)] = small.size() == 1 ? small[0] : one[0];
    }
    return t;
  }();
  return table;
}

int dayKey(const format::DateTime& t) { return t.year * 10000 + t.month * 100 + t.day; }

// The day a line begins with, "mm/dd/yyyy".
std::optional<int> lineDay(std::string_view line) {
  if (line.size() < 10 || line[2] != '/' || line[5] != '/') return std::nullopt;
  int month = 0, day = 0, year = 0;
  for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u})
    if (line[i] < '0' || line[i] > '9') return std::nullopt;
  month = (line[0] - '0') * 10 + (line[1] - '0');
  day = (line[3] - '0') * 10 + (line[4] - '0');
  year = ((line[6] - '0') * 10 + (line[7] - '0')) * 100 + (line[8] - '0') * 10 + (line[9] - '0');
  return year * 10000 + month * 100 + day;
}

bool holds(std::string_view line, std::string_view needle) {
  if (needle.empty()) return true;
  const auto& small = smallLetters();
  const auto same = [&](char a, char b) { return small[static_cast<unsigned char>(a)] == b; };
  return std::search(line.begin(), line.end(), needle.begin(), needle.end(), same) != line.end();
}

// The details with each value as it was typed: a doubled double quote inside a quoted value is
// one. A line written before quotes were doubled reads as it did.
std::string typedValues(std::string_view details) {
  std::string out;
  out.reserve(details.size());
  bool inside = false;
  for (std::size_t i = 0; i < details.size(); ++i) {
    out += details[i];
    if (details[i] != '"') continue;
    if (inside && i + 1 < details.size() && details[i + 1] == '"')
      ++i;
    else
      inside = !inside;
  }
  return out;
}

std::string doubledQuotes(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out;
}

}  // namespace

ChangeEntry parseChangeLine(std::string_view cp1252) {
  std::vector<std::string> columns;
  std::string_view rest = cp1252;
  for (int i = 0; i < 4; ++i) {
    const auto tab = rest.find('\t');
    if (tab == std::string_view::npos) break;
    columns.push_back(format::cp1252ToUtf8(rest.substr(0, tab)));
    rest.remove_prefix(tab + 1);
  }
  if (columns.size() < 4 || !lineDay(cp1252)) return {{}, {}, {}, {}, format::cp1252ToUtf8(cp1252)};
  return {columns[0], columns[1], columns[2], columns[3], format::cp1252ToUtf8(typedValues(rest))};
}

ChangeFilter::ChangeFilter(std::string_view utf8Text, std::optional<format::DateTime> from,
                           std::optional<format::DateTime> to) {
  const auto& small = smallLetters();
  for (const char c : format::utf8ToCp1252(utf8Text))
    needle_ += small[static_cast<unsigned char>(c)];
  if (needle_.find('"') != std::string::npos) quotedNeedle_ = doubledQuotes(needle_);
  if (from) from_ = dayKey(*from);
  if (to) to_ = dayKey(*to);
}

bool ChangeFilter::matches(std::string_view line) const {
  if (from_ || to_) {
    const std::optional<int> day = lineDay(line);
    if (!day || (from_ && *day < *from_) || (to_ && *day > *to_)) return false;
  }
  return holds(line, needle_) || (!quotedNeedle_.empty() && holds(line, quotedNeedle_));
}

}  // namespace vm::store
