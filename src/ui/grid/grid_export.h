// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "format/date_time.h"
#include "format/exported_cell.h"

class QWidget;

namespace vm::ui {

struct AppState;
class Grid;

// A grid's rows as the user sees them: the header texts and the cells of the exported
// columns (see exportedColumns) in the order shown, and what each column holds: the columns
// aligned right or centred hold the lists' numbers (hours, months, counts) beside their dates,
// the others text, even where a text looks like a number (an employee ID, a course code).
struct GridTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
  std::vector<format::CellKind> kinds;
};

// The columns that leave the grid in an export or a copy: the visible ones in the order shown,
// then the hidden ones the window shows elsewhere (Grid::alsoExport). Never the identities,
// sort keys and record numbers the windows keep hidden for their own use.
std::vector<int> exportedColumns(const Grid& grid);

// The whole grid, or the given data rows (counted from 1) in the given order.
GridTable gridTable(const Grid& grid);
GridTable gridTable(const Grid& grid, const std::vector<int>& rows);

// What the list is called: the caption of the tab that holds the grid, else the window's title
// without the program's name ("Training History of Ann Lee").
QString listNameOf(const Grid& grid);

// "<list name> <yyyy-mm-dd><suffix>", with the characters that file names cannot hold replaced.
QString suggestedFileName(const QString& listName, const format::DateTime& today,
                          const QString& suffix);
QString suggestedCsvName(const QString& listName, const format::DateTime& today);

// The kind of file an export writes: the title of its picker and messages, its file type as the
// picker offers it, and the ending its name is given when the user types none.
struct ExportKind {
  QString title;
  QString filter;
  QString suffix;
};
inline const ExportKind kCsvExport{QStringLiteral("Export to CSV"),
                                   QStringLiteral("CSV files (*.csv)"), QStringLiteral(".csv")};
inline const ExportKind kSpreadsheetExport{QStringLiteral("Export to a Spreadsheet"),
                                           QStringLiteral("Spreadsheets (*.xlsx)"),
                                           QStringLiteral(".xlsx")};

// "Export to CSV..." of any list: asks where to save it (suggesting the list's name and today's
// date in the folder of the last export, else the documents folder or the home folder), then
// `write` writes the file at the path chosen, with the window disabled and the busy cursor
// meanwhile. A StoreError from `write` is reported in a message box. Returns true when the file
// was written.
bool exportCsv(AppState& state, QWidget* window, const QString& listName,
               const std::function<void(const std::string& path)>& write);
// The same for a file of the given kind. A SheetError from `write` is reported as a StoreError is.
bool exportFile(AppState& state, QWidget* window, const QString& listName, const ExportKind& kind,
                const std::function<void(const std::string& path)>& write);

// "Export to CSV...": asks where to save the grid (suggesting the list's name and today's date
// in the folder of the last export, else the documents folder or the home folder) and writes it
// there whole as a CSV file, with the window disabled and the busy cursor meanwhile. A file that
// cannot be written is reported in a message box; the name then holds what it held before. Returns
// true when the file was written.
bool exportGridToCsv(AppState& state, Grid& grid);

// "Export to a Spreadsheet...": the same as an .xlsx file (sheets/sheet_file.h), the header row
// bold and frozen, the list's dates as date cells and the numbers of its columns aligned right or
// centred (hours, counts) as numbers.
bool exportGridToSpreadsheet(AppState& state, Grid& grid);

}  // namespace vm::ui
