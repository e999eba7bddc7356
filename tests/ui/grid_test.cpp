// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/grid.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>

using vm::ui::Grid;

namespace {

std::vector<QStringList> people() {
  return {{"Bob Lee", "Ops", "lee bob"},
          {"Ann Lee", "Lab", "Lee Ann"},
          {"Carl Dean Lee", "Ops", "Lee Dean Carl"},
          {"ann lee", "Lab", "lee ann"}};
}

}  // namespace

TEST(Grid, FormatGivesHeadersAndAlignments) {
  Grid grid;
  grid.reset("<User List|>Hours|^Date Created|NameSort");
  EXPECT_EQ(grid.cols(), 4);
  EXPECT_EQ(grid.rows(), 0);
  EXPECT_EQ(grid.headerText(0), "User List");
  EXPECT_EQ(grid.headerText(3), "NameSort");
  grid.addRow({"a", "1.0", "01/01/2005", "x"});
  const auto align = [&](int col) {
    return grid.model()->data(grid.model()->index(0, col), Qt::TextAlignmentRole).toInt() &
           Qt::AlignHorizontal_Mask;
  };
  EXPECT_EQ(align(0), Qt::AlignLeft);
  EXPECT_EQ(align(1), Qt::AlignRight);
  EXPECT_EQ(align(2), Qt::AlignHCenter);
}

TEST(Grid, SortsByAHiddenKeyIgnoringCaseAndKeepingEqualKeysInOrder) {
  Grid grid;
  grid.reset("|Organization|NameSort");
  grid.setRows(people());
  grid.hideColumn(2);
  grid.sortByColumn(2);
  EXPECT_EQ(grid.text(1, 0), "Ann Lee");
  EXPECT_EQ(grid.text(2, 0), "ann lee");  // equal ignoring case: earlier row stays first
  EXPECT_EQ(grid.text(3, 0), "Bob Lee");
  EXPECT_EQ(grid.text(4, 0), "Carl Dean Lee");
  EXPECT_TRUE(grid.isColumnHidden(2));
}

TEST(Grid, AccentedNamesSortAmongTheirPlainLetters) {
  Grid grid;
  grid.reset("|NameSort");
  grid.setRows({{"Zorn", "Zorn"},
                {"Álvarez", "Álvarez"},
                {"Ibáñez", "Ibáñez"},
                {"alder", "alder"},
                {"Baker", "Baker"}});
  grid.sortByColumn(1);
  QStringList order;
  for (int r = 1; r <= grid.rows(); ++r) order << grid.text(r, 0);
  EXPECT_EQ(order, QStringList({"alder", "Álvarez", "Baker", "Ibáñez", "Zorn"}));
}

TEST(Grid, ShadesEverySecondDataRowInTheGivenColumnsOnly) {
  Grid grid;
  grid.reset("|Organization|NameSort");
  grid.setRows(people());
  grid.shadeAlternateRows(0, 1);
  EXPECT_FALSE(grid.cellBackground(1, 0).isValid());
  EXPECT_EQ(grid.cellBackground(2, 0), QColor(240, 240, 240));
  EXPECT_EQ(grid.cellBackground(2, 1), QColor(240, 240, 240));
  EXPECT_FALSE(grid.cellBackground(2, 2).isValid());
  EXPECT_FALSE(grid.cellBackground(3, 1).isValid());
  EXPECT_EQ(grid.cellBackground(4, 0), QColor(240, 240, 240));
}

TEST(Grid, CurrentRowIsCountedFromOneAndReportedWhenItChanges) {
  Grid grid;
  grid.reset("|Organization|NameSort");
  EXPECT_EQ(grid.currentRow(), 0);
  grid.setRows(people());
  std::vector<int> changes;
  QObject::connect(&grid, &Grid::rowColChange, [&](int row) { changes.push_back(row); });
  grid.selectRow(3);
  EXPECT_EQ(grid.currentRow(), 3);
  grid.selectRow(1);
  grid.selectRow(9);  // no such row: nothing changes
  EXPECT_EQ(grid.currentRow(), 1);
  EXPECT_EQ(changes, (std::vector<int>{3, 1}));
  grid.reset("|Organization|NameSort");
  EXPECT_EQ(grid.currentRow(), 0);
}

TEST(Grid, TheFillColumnKeepsHiddenColumnsOutOfView) {
  Grid grid;
  grid.reset("|Organization|^DateCreated|NameSort|RecNum");
  grid.setRows({{"A", "B", "1", "a", "1"}});
  grid.resize(700, 300);
  for (int c = 2; c <= 4; ++c) grid.hideColumn(c);
  grid.setColumnWidthTwips(0, 4000);
  grid.setColumnWidthTwips(1, 2400);
  grid.fillWidthWith(1);
  EXPECT_GE(grid.columnWidth(0) + grid.columnWidth(1), grid.viewport()->width());
  grid.resize(900, 300);
  EXPECT_GE(grid.columnWidth(0) + grid.columnWidth(1), grid.viewport()->width());
}

TEST(Grid, TheFillColumnGivesWayWhenAScrollBarAppears) {
  Grid grid;
  grid.reset("|Level|Date|NameSort");
  grid.hideColumn(3);
  grid.resize(400, 120);
  grid.show();
  grid.setColumnWidth(1, 100);
  grid.setColumnWidth(2, 80);
  grid.setColumnWidth(0, 150);
  grid.fillWidthWith(0);
  const int wide = grid.columnWidth(0);
  std::vector<QStringList> many(40, QStringList{"a", "b", "c", "d"});
  grid.setRows(std::move(many));
  QApplication::processEvents();
  ASSERT_TRUE(grid.verticalScrollBar()->isVisible());
  EXPECT_LT(grid.columnWidth(0), wide);
  EXPECT_EQ(grid.columnWidth(0) + 180, grid.viewport()->width());
}

TEST(Grid, FillsTheLargestListAtOnce) {
  Grid grid;
  grid.reset("|Organization|^DateCreated|NameSort|RecNum");
  std::vector<QStringList> rows;
  for (int i = 32767; i >= 1; --i)
    rows.push_back({QString::number(i), "Org", "1", QString("key %1").arg(i, 5, 10, QChar('0')),
                    QString::number(i)});
  grid.setRows(std::move(rows));
  grid.sortByColumn(3);
  grid.shadeAlternateRows(0, 1);
  EXPECT_EQ(grid.rows(), 32767);
  EXPECT_EQ(grid.text(1, 4), "1");
  EXPECT_EQ(grid.text(32767, 4), "32767");
}

// Hidden columns keep their texts for the program but are not part of the table views and
// assistive technology see, wherever they stand in the format.
TEST(Grid, HiddenColumnsLeaveTheViewsTableAndKeepTheirTexts) {
  Grid grid;
  grid.reset("<Name|^RecNum|>Hours|NameSort");
  grid.setRows({{"Ann", "7", "2.0", "ann"}, {"Bob", "3", "1.5", "bob"}});
  grid.hideColumn(1);
  grid.hideColumn(3);
  QAbstractItemModel* view = grid.model();
  ASSERT_EQ(view->columnCount(), 2);
  EXPECT_EQ(view->headerData(1, Qt::Horizontal).toString(), "Hours");
  EXPECT_EQ(view->data(view->index(1, 1)).toString(), "1.5");
  EXPECT_EQ(view->data(view->index(1, 1), Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
            Qt::AlignRight);
  EXPECT_EQ(grid.cols(), 4);
  EXPECT_EQ(grid.text(2, 1), "3");
  EXPECT_EQ(grid.columnWidth(1), 0);
  grid.setColumnWidth(2, 90);
  EXPECT_EQ(grid.columnWidth(2), 90);

  grid.setColumnHidden(1, false);
  EXPECT_EQ(view->columnCount(), 3);
  EXPECT_EQ(view->headerData(1, Qt::Horizontal).toString(), "RecNum");
  EXPECT_EQ(grid.columnWidth(2), 90);
}

// With assistive technology listening, the largest list still fills, and a row chosen through
// it at the far end becomes current, at once.
TEST(Grid, TheLargestListAnswersAssistiveTechnology) {
  QAccessible::setActive(true);  // the toolkit then reports every change to the listener
  Grid grid;
  grid.resize(600, 400);
  grid.show();
  QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(&grid)->tableInterface();
  ASSERT_NE(table, nullptr);
  std::vector<QStringList> rows;
  for (int i = 1; i <= 32767; ++i)
    rows.push_back({QString::number(i), "Org", "1", QString::number(i)});
  grid.reset("|Organization|^DateCreated|RecNum");
  grid.setRows(std::move(rows));
  grid.hideColumn(2);
  grid.hideColumn(3);
  grid.selectRow(1);
  table->selectRow(32766);
  QApplication::processEvents();
  EXPECT_EQ(grid.currentRow(), 32767);
  EXPECT_EQ(table->cellAt(32766, 0)->text(QAccessible::Name), "32767");  // timed in bench_grid
  QAccessible::setActive(false);
}
