// SPDX-License-Identifier: GPL-3.0-or-later
// Every list grid of every window, as assistive technology sees it through the table and
// table-cell interfaces: only the columns on screen, and a selected row that is the current
// row the window's commands act on.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/window_catalogue.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"

namespace vm::test {
namespace {

QAccessibleTableInterface* tableOf(ui::Grid* grid) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(grid);
  return a ? a->tableInterface() : nullptr;
}

// The grids of every window that list at least two rows, each with its window's name.
template <typename Visit>
int visitGrids(Visit visit) {
  int visited = 0;
  for (const WindowCase& wc : allWindows()) {
    OpenWindow w(wc.name);
    for (ui::Grid* grid : w.window()->findChildren<ui::Grid*>()) {
      if (!grid->isVisible() || grid->rows() < 2) continue;
      SCOPED_TRACE(wc.name + ": " + grid->objectName().toStdString());
      visit(w, grid);
      ++visited;
    }
  }
  return visited;
}

TEST(Grids, ShowAssistiveTechnologyOnlyTheColumnsOnScreen) {
  int withWorkingColumns = 0;
  const int visited = visitGrids([&withWorkingColumns](OpenWindow&, ui::Grid* grid) {
    QAccessibleTableInterface* table = tableOf(grid);
    ASSERT_NE(table, nullptr);
    QStringList shown;
    for (int c = 0; c < grid->cols(); ++c)
      if (!grid->isColumnHidden(c)) shown << grid->headerText(c);
    if (shown.size() < grid->cols()) ++withWorkingColumns;
    QStringList exposed;
    for (int c = 0; c < table->columnCount(); ++c) exposed << table->columnDescription(c);
    EXPECT_EQ(exposed.join(" | ").toStdString(), shown.join(" | ").toStdString());
    EXPECT_EQ(table->rowCount(), grid->rows());
    // Each cell reads as on screen.
    const int row = grid->rows();
    QStringList cells;
    QStringList onScreen;
    for (int c = 0, v = 0; c < grid->cols(); ++c) {
      if (grid->isColumnHidden(c)) continue;
      onScreen << grid->text(row, c);
      cells << table->cellAt(row - 1, v++)->text(QAccessible::Name);
    }
    EXPECT_EQ(cells.join(" | ").toStdString(), onScreen.join(" | ").toStdString());
  });
  EXPECT_GE(visited, 5);
  EXPECT_GE(withWorkingColumns, 5);
}

TEST(Grids, ARowSelectedByAssistiveTechnologyBecomesTheCurrentRow) {
  const int visited = visitGrids([](OpenWindow& w, ui::Grid* grid) {
    QAccessibleTableInterface* table = tableOf(grid);
    ASSERT_NE(table, nullptr);
    QSignalSpy changes(grid, &ui::Grid::rowColChange);
    const int before = grid->currentRow();
    const int wanted = before == 2 ? 1 : 2;

    table->selectRow(wanted - 1);
    if (!grid->isEnabled()) {  // a disabled grid keeps its row
      EXPECT_EQ(grid->currentRow(), before) << w.name();
      EXPECT_EQ(table->selectedRows(), QList<int>{before - 1});
      return;
    }
    EXPECT_EQ(grid->currentRow(), wanted);
    EXPECT_EQ(table->selectedRows(), QList<int>{wanted - 1});
    EXPECT_EQ(changes.size(), 1);

    // The cell's own action, as a screen reader toggles a cell.
    const int last = grid->rows();
    QAccessibleInterface* cell = table->cellAt(last - 1, 0);
    cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(grid->currentRow(), last);
    EXPECT_TRUE(cell->tableCellInterface()->isSelected());

    // Unselecting cannot leave the grid without its highlighted row.
    table->unselectRow(last - 1);
    EXPECT_EQ(grid->currentRow(), last);
    EXPECT_EQ(table->selectedRows(), QList<int>{last - 1});
  });
  EXPECT_GE(visited, 5);
}

struct RowCommand {
  std::string window;
  QString grid;
  QString command;
  QString editor;  // the window the command opens on the current row
  int nameColumn;  // the grid column that the editor's first field shows
  QString firstField;
};

// The command that acts on the highlighted row acts on the row assistive technology selected.
TEST(Grids, CommandsActOnTheRowAssistiveTechnologySelected) {
  const std::vector<RowCommand> commands = {
      {"main window, full access", "gridName", "cmdEditName", "frmAddEditName", 0, "txtField1"},
      {"main window, Course Index tab", "gridCourse", "cmdEditCourse", "frmAddEditCourse", 0,
       "txtField1"},
      {"admin window, editing the user list", "grid", "cmdEditUser", "frmAddEditUser", 0,
       "txtField1"},
  };
  for (const RowCommand& c : commands) {
    SCOPED_TRACE(c.window);
    OpenWindow w(c.window);
    auto* grid = w.control<ui::Grid>(c.grid);
    ASSERT_NE(grid, nullptr);
    const int row = grid->rows();
    tableOf(grid)->selectRow(row - 1);
    const QString listed = grid->text(row, c.nameColumn);
    QString shown;
    w.app().dialogs.onModal(c.editor, [&](QWidget* editor) {
      shown = editor->findChild<QLineEdit*>(c.firstField)->text();
    });
    QTest::mouseClick(w.control<ui::PellamButton>(c.command), Qt::LeftButton);
    EXPECT_TRUE(listed.startsWith(shown) && !shown.isEmpty())
        << listed.toStdString() << " / " << shown.toStdString();
  }
}

TEST(Grids, CreditingFollowsTheCourseAssistiveTechnologySelected) {
  OpenWindow w("main window, Course Index tab");
  auto* grid = w.control<ui::Grid>("gridCourse");
  auto* credit = w.control<ui::PellamButton>("cmdCreditTraining");
  for (int row = 1; row <= 3; ++row) {
    tableOf(grid)->selectRow(row - 1);
    const bool heading = grid->text(row, 3).isEmpty();  // no hours: cannot be credited
    EXPECT_EQ(credit->isEnabled(), !heading) << grid->text(row, 1).toStdString();
  }
}

}  // namespace
}  // namespace vm::test
