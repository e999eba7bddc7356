// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/grid_menu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <set>

#include "format/csv_text.h"
#include "ui/app_state.h"
#include "ui/dialogs.h"
#include "ui/grid/grid.h"
#include "ui/grid/grid_export.h"
#include "ui/menu_items.h"
#include "ui/window_life.h"

namespace vm::ui {
namespace {

const QKeySequence kExportKey(Qt::CTRL | Qt::Key_E);
const QKeySequence kSpreadsheetKey(Qt::CTRL | Qt::SHIFT | Qt::Key_E);

// The program's state, through the life of the window that holds the grid.
AppState* stateOf(const Grid& grid) {
  WindowLife* life = WindowLife::of(grid.window());
  return life ? &life->state() : nullptr;
}

std::vector<int> selectedRows(const Grid& grid) {
  std::set<int> rows;
  for (const QItemSelectionRange& range : grid.selectionModel()->selection())
    for (int r = range.top(); r <= range.bottom(); ++r) rows.insert(r + 1);
  if (rows.empty() && grid.currentRow() > 0) rows.insert(grid.currentRow());
  return {rows.begin(), rows.end()};
}

}  // namespace

void copySelectedRows(const Grid& grid) {
  const std::vector<int> rows = selectedRows(grid);
  if (rows.empty()) return;
  const GridTable table = gridTable(grid, rows);
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(format::tabSeparatedText(table.rows, table.kinds)));
}

void popUpGridMenu(Grid& grid, const QPoint& globalPos) {
  AppState* state = stateOf(grid);
  if (!state) return;
  QMenu menu(&grid);
  menu.setObjectName(QStringLiteral("menuGrid"));
  QAction* copy = menu.addAction(QStringLiteral("&Copy"));
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(!selectedRows(grid).empty());
  QAction* exportCsv = menu.addAction(QStringLiteral("&Export to CSV..."));
  exportCsv->setShortcut(kExportKey);
  QAction* exportSheet = menu.addAction(QStringLiteral("Export to a &Spreadsheet..."));
  exportSheet->setShortcut(kSpreadsheetKey);
  for (QAction* a : {copy, exportCsv, exportSheet}) a->setShortcutVisibleInContextMenu(true);

  onMenuItem(copy, &menu, &grid, [&grid] { copySelectedRows(grid); });
  onMenuItem(exportCsv, &menu, &grid, [state, &grid] { exportGridToCsv(*state, grid); });
  onMenuItem(exportSheet, &menu, &grid, [state, &grid] { exportGridToSpreadsheet(*state, grid); });
  bool separated = false;
  for (const Grid::MenuCommand& command : grid.menuCommands()) {
    if (command.offered && !command.offered()) continue;
    if (!separated) menu.addSeparator();
    separated = true;
    onMenuItem(menu.addAction(command.caption), &menu, &grid, command.run);
  }
  state->dialogs.popupMenu(&menu, globalPos);
}

bool runGridCommandKey(Grid& grid, const QKeyEvent& event) {
  if (event.matches(QKeySequence::Copy)) {
    copySelectedRows(grid);
    return true;
  }
  const QKeySequence pressed(event.keyCombination());
  if (pressed == kExportKey) {
    if (AppState* state = stateOf(grid)) exportGridToCsv(*state, grid);
    return true;
  }
  if (pressed == kSpreadsheetKey) {
    if (AppState* state = stateOf(grid)) exportGridToSpreadsheet(*state, grid);
    return true;
  }
  if (event.key() == Qt::Key_Menu || pressed == QKeySequence(Qt::SHIFT | Qt::Key_F10)) {
    popUpGridMenuAtCurrentRow(grid);
    return true;
  }
  return false;
}

void popUpGridMenuAtCurrentRow(Grid& grid) {
  // Under the current row, where the pointer would have put it.
  const int row = grid.currentRow();
  const int y = row > 0 ? grid.rowViewportPosition(row - 1) + grid.rowHeight(row - 1) : -1;
  const QPoint at(grid.viewport()->width() / 4,
                  y >= 0 && y <= grid.viewport()->height() ? y : grid.viewport()->height() / 2);
  popUpGridMenu(grid, grid.viewport()->mapToGlobal(at));
}

}  // namespace vm::ui
