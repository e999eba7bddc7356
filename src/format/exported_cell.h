// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vm::format {

// What an export knows a cell of a list to hold.
enum class CellKind {
  Text,    // whatever a person typed or the program names: names, codes, comments, shown dates
  Number,  // a number the program keeps as one: hours, months, counts
};

// Whether a spreadsheet opening the text would read it as a formula: it begins with "=", "+",
// "-", "@", a tab or a carriage return.
bool readsAsFormula(std::string_view text);

// Whether the cell is a plain number as the lists show one ("8", "-2.5", ".5"), with no blank
// anywhere: the only number cell a spreadsheet may take as it stands.
bool isNumberCell(std::string_view text);

// Whether exportedCell puts an apostrophe before the text.
bool takesApostrophe(std::string_view text, CellKind kind);

// A cell as every export that writes text (a CSV file, the clipboard) puts it, so that opening
// the file never runs what a person typed: a text that reads as a formula gets a leading
// apostrophe ("'=HYPERLINK(...)"), which spreadsheets show as text; a number cell that holds a
// plain number stays as it is, so "-2.5" hours stay a number, and one that holds anything else is
// text. Dates as the lists show them ("03/15/2024") begin with a digit and stay as they are.
// Exports that write typed cells keep the same kinds: a text is a text cell, never a formula.
std::string exportedCell(std::string_view text, CellKind kind);

}  // namespace vm::format
