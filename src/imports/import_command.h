// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace vm::ui {
struct AppState;
class Grid;
}  // namespace vm::ui

namespace vm::imports {

// "Import from a Spreadsheet...": asks for an .xlsx, .ods or .csv file (starting in the folder of
// the last import, else the documents folder), reads it with the busy cursor, and opens the
// import window over `owner`; a file that cannot be read is reported and nothing changes. Calls
// `imported` when records were written.
void importFromSpreadsheet(ui::AppState& state, QWidget* owner,
                           const std::function<void()>& imported);

// Offers the command to the users who may add records (levels 3 and 4) in the grid's pop-up menu,
// and in a pop-up menu of `page`, the tab that holds the grid, while the grid is hidden because
// its list is empty: a new installation starts with empty lists.
void offerImport(QWidget& page, ui::Grid& grid, ui::AppState& state,
                 std::function<QWidget*()> owner, std::function<void()> imported);

}  // namespace vm::imports
