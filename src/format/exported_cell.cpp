// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/exported_cell.h"

#include "format/number_parse.h"

namespace vm::format {

bool readsAsFormula(std::string_view text) {
  return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

bool isNumberCell(std::string_view text) {
  return text.find_first_of(" \t\r\n") == std::string_view::npos && isNumeric(text);
}

bool takesApostrophe(std::string_view text, CellKind kind) {
  return readsAsFormula(text) && !(kind == CellKind::Number && isNumberCell(text));
}

std::string exportedCell(std::string_view text, CellKind kind) {
  return takesApostrophe(text, kind) ? '\'' + std::string(text) : std::string(text);
}

}  // namespace vm::format
