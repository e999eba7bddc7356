// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/refused_rows.h"

namespace vm::imports {

sheets::Workbook refusedRows(const sheets::Workbook& book, const std::vector<SheetChoice>& choices,
                             const ImportPlan& plan) {
  using sheets::Cell;
  sheets::Workbook out;
  std::size_t sheetAt = book.sheets.size();  // the sheet whose rows `out` ends with
  std::vector<std::size_t> personColumns;
  for (const RowOutcome& r : plan.rows) {
    if (r.outcome != Outcome::Refused) continue;
    const sheets::Sheet& from = book.sheets[r.sheet];
    const SheetChoice& choice = choices[r.sheet];
    const std::size_t header = headerRow(from);
    const bool matrix = r.column != RowOutcome::kWholeRow;
    if (sheetAt != r.sheet) {
      sheetAt = r.sheet;
      sheets::Sheet& sheet = out.sheets.emplace_back(sheets::Sheet{from.name});
      sheets::Row head;
      personColumns.clear();
      if (choice.kind == SheetKind::Matrix) {
        for (std::size_t c = 0; c < choice.fields.size(); ++c)
          if (isPersonField(choice.fields[c])) personColumns.push_back(c);
        for (std::size_t c : personColumns) head.push_back(from.at(header, c));
        head.push_back(Cell::ofText("Course Code"));
        head.push_back(Cell::ofText("Date"));
      } else {
        head = from.rows[header];
        head.resize(from.columns());
      }
      head.push_back(Cell::ofText("Reason"));
      sheet.rows.push_back(std::move(head));
    }
    sheets::Row row;
    if (choice.kind == SheetKind::Matrix) {
      for (std::size_t c : personColumns) row.push_back(from.at(r.row, c));
      if (matrix) {
        row.push_back(from.at(header, r.column));
        row.push_back(from.at(r.row, r.column));
      } else {
        row.resize(row.size() + 2);
      }
    } else {
      row = from.rows[r.row];
      row.resize(from.columns());
    }
    row.push_back(Cell::ofText("row " + std::to_string(r.row + 1) + ": " + r.text));
    out.sheets.back().rows.push_back(std::move(row));
  }
  return out;
}

}  // namespace vm::imports
