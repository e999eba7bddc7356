// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/csv_text.h"

namespace vm::format {
namespace {

bool needsQuotes(std::string_view cell, char separator) {
  if (cell.empty()) return false;
  if (cell.front() == ' ' || cell.back() == ' ') return true;
  for (const char c : cell)
    if (c == separator || c == '"' || c == '\r' || c == '\n') return true;
  return false;
}

void appendCell(std::string& out, std::string_view cell, char separator, CellKind kind) {
  // A cell that takes the apostrophe begins with no blank, so the apostrophe never changes
  // whether it needs quotes.
  const bool quote = needsQuotes(cell, separator);
  if (quote) out += '"';
  if (takesApostrophe(cell, kind)) out += '\'';
  for (const char c : cell) {
    if (quote && c == '"') out += '"';
    out += c;
  }
  if (quote) out += '"';
}

void appendRecord(std::string& out, std::span<const std::string> cells, char separator,
                  std::span<const CellKind> kinds, std::string_view lineEnd) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += separator;
    appendCell(out, cells[i], separator, i < kinds.size() ? kinds[i] : CellKind::Text);
  }
  out += lineEnd;
}

}  // namespace

std::string delimitedCell(std::string_view cell, char separator, CellKind kind) {
  std::string out;
  appendCell(out, cell, separator, kind);
  return out;
}

std::string csvDocument(std::span<const std::string> header,
                        std::span<const std::vector<std::string>> rows,
                        std::span<const CellKind> kinds) {
  std::string out = "\xEF\xBB\xBF";
  appendRecord(out, header, ',', {}, "\r\n");
  for (const std::vector<std::string>& row : rows) appendRecord(out, row, ',', kinds, "\r\n");
  return out;
}

std::string tabSeparatedText(std::span<const std::vector<std::string>> rows,
                             std::span<const CellKind> kinds) {
  std::string out;
  for (const std::vector<std::string>& row : rows) appendRecord(out, row, '\t', kinds, "\n");
  return out;
}

}  // namespace vm::format
