// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;
class QPoint;

namespace vm::ui {

class Grid;

// The commands every grid offers at every access level, as a pop-up menu (right mouse button,
// the menu key or Shift+F10) and as keys while the grid has the focus:
//   "Copy" (Ctrl+C): the selected rows onto the clipboard as tab-separated text;
//   "Export to CSV..." (Ctrl+E): the whole list into a CSV file (ui/grid/grid_export.h);
//   "Export to a Spreadsheet..." (Ctrl+Shift+E): the whole list into an .xlsx file.
// All take the columns the user sees, in the order shown, each cell made safe to open as every
// export makes it (format/exported_cell.h). The window's own commands (Grid::addMenuCommand)
// follow, under a separator. The menu and the export go through
// the Dialogs of the AppState that the grid's window holds; a grid outside a window of the
// program offers the copy alone.

// Pops the menu up at a global position and runs the chosen command.
void popUpGridMenu(Grid& grid, const QPoint& globalPos);
// Pops it up under the current row, for the keys that ask for it.
void popUpGridMenuAtCurrentRow(Grid& grid);

// Runs the command of a key; false when the key is none of them.
bool runGridCommandKey(Grid& grid, const QKeyEvent& event);

// The selected rows (the current row when none is selected) onto the clipboard.
void copySelectedRows(const Grid& grid);

}  // namespace vm::ui
