// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/grid_export.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTest>
#include <QVBoxLayout>

#include "sheets/cells_text.h"
#include "sheets/sheet_file.h"
#include "support/test_app.h"
#include "ui/grid/grid.h"
#include "ui/window_life.h"

namespace vm::ui {
namespace {

using test::ScriptedDialogs;

// A window of the program with a training history's grid: five shown columns, the comments
// kept hidden (the window shows them under the list), a sort key and a record number.
class GridExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.setWindowTitle("Verdimark - Training History of Zoë Lee");
    new QVBoxLayout(&window);
    window.layout()->addWidget(grid);
    grid->reset(
        "<Course Date|<Course Code|<Name of Course|<Provided by|>Hours|Comments|DateSort|"
        "RecNum");
    grid->setRows({{"11/02/2003", "FA-101", "First Aid, Basic", "Red \"Cross\"", "8.0",
                    "Passed\r\nwith merit", "20031102", "3"},
                   {"01/20/2004", "CPR", "Réanimation", "Ålesund Ltd", ".5", "", "20040120", "1"}});
    for (int c : {5, 6, 7}) grid->hideColumn(c);
    grid->alsoExport(5);
    window.show();
    grid->setFocus();
    grid->selectRow(2);
  }

  QString path(const QString& name) const { return app.dataFolder() + "/" + name; }
  void pressExportKey() { QTest::keyClick(grid, Qt::Key_E, Qt::ControlModifier); }

  const std::string kCsv =
      "\xEF\xBB\xBF"
      "Course Date,Course Code,Name of Course,Provided by,Hours,Comments\r\n"
      "11/02/2003,FA-101,\"First Aid, Basic\",\"Red \"\"Cross\"\"\",8.0,\"Passed\r\nwith "
      "merit\"\r\n"
      "01/20/2004,CPR,Réanimation,Ålesund Ltd,.5,\r\n";

  test::TestApp app;
  QWidget window;
  WindowLife life{&window, app.state, false};
  Grid* grid = new Grid;
};

TEST_F(GridExportTest, TheExportKeyWritesTheShownColumnsAndTheCommentsAsCsv) {
  app.dialogs.answerSaveFile(path("history"));
  pressExportKey();

  const ScriptedDialogs::Shown picker = app.dialogs.shown().at(0);
  EXPECT_EQ(picker.kind, ScriptedDialogs::Kind::SaveFile);
  EXPECT_EQ(picker.title, "Export to CSV");
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QFileInfo(documents).isDir()) documents = QDir::homePath();
  EXPECT_EQ(picker.defaultAnswer,
            QDir(documents).filePath("Training History of Zoë Lee 2026-12-08.csv"));
  EXPECT_EQ(app.folder.read("history.csv"), kCsv);
  EXPECT_TRUE(app.dialogs.messages().empty());

  // The next export starts in the folder of the last one; a name that ends in .csv keeps it.
  app.dialogs.answerSaveFile(path("again.CSV"));
  pressExportKey();
  EXPECT_EQ(app.dialogs.shown().at(1).defaultAnswer,
            path("Training History of Zoë Lee 2026-12-08.csv"));
  EXPECT_EQ(app.folder.read("again.CSV"), kCsv);
}

TEST_F(GridExportTest, TheSpreadsheetKeyWritesDatesAndHoursAsWhatTheyAre) {
  app.dialogs.answerSaveFile(path("history"));
  QTest::keyClick(grid, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);

  const ScriptedDialogs::Shown picker = app.dialogs.shown().at(0);
  EXPECT_EQ(picker.title, "Export to a Spreadsheet");
  EXPECT_TRUE(picker.defaultAnswer.endsWith("/Training History of Zoë Lee 2026-12-08.xlsx"));
  const sheets::Workbook book = sheets::readWorkbook(path("history.xlsx").toStdString());
  ASSERT_EQ(book.sheets.size(), 1u);
  EXPECT_EQ(book.sheets[0].name, "Training History of Zoë Lee");
  EXPECT_EQ(test::cellsText(book.sheets[0]),
            (std::vector<std::string>{
                "Course Date|Course Code|Name of Course|Provided by|Hours|Comments",
                "@11/02/2003|FA-101|First Aid, Basic|Red \"Cross\"|#8|Passed\r\nwith merit",
                "@01/20/2004|CPR|Réanimation|Ålesund Ltd|#0.5"}));
}

TEST_F(GridExportTest, TheMenuCopiesTheSelectedRowAsTabSeparatedText) {
  QGuiApplication::clipboard()->clear();
  app.dialogs.chooseMenuItem("Copy");
  const QPoint at = grid->visualRect(grid->model()->index(1, 0)).center();
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
  QApplication::sendEvent(grid->viewport(), &click);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            "01/20/2004\tCPR\tRéanimation\tÅlesund Ltd\t.5\t\n");

  grid->selectRow(1);
  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            "11/02/2003\tFA-101\tFirst Aid, Basic\t\"Red \"\"Cross\"\"\"\t8.0\t\"Passed\r\nwith "
            "merit\"\n");

  // The keyboard opens the same menu; leaving it runs nothing.
  for (const auto& [key, modifiers] :
       {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier}})
    QTest::keyClick(grid, key, modifiers);
  EXPECT_EQ(app.dialogs.shown().size(), 3u);
  for (const auto& shown : app.dialogs.shown()) EXPECT_EQ(shown.kind, ScriptedDialogs::Kind::Menu);
}

TEST_F(GridExportTest, AFileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
  app.folder.write("history.csv", "the old list\r\n");
  app.fileSystem.cutWrite(1, 40);
  app.dialogs.answerSaveFile(path("history.csv"));
  app.dialogs.chooseMenuItem("Export to CSV...");
  app.dialogs.answer(Answer::Ok);
  const QPoint at = grid->viewport()->rect().center();
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
  QApplication::sendEvent(grid->viewport(), &click);

  const ScriptedDialogs::Shown box = app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "Export to CSV");
  EXPECT_EQ(box.icon, MessageIcon::Critical);
  EXPECT_EQ(box.text, "The list could not be saved as\n" + path("history.csv") +
                          "\n\nThe system reports: No space left on device.\n\n"
                          "Please choose another name or folder and try again.");
  EXPECT_EQ(app.folder.read("history.csv"), "the old list\r\n");
  EXPECT_FALSE(app.folder.has("history.csv.part"));
  EXPECT_TRUE(window.isEnabled());
}

TEST(GridExportName, TheSuggestedNameIsTheListsAndTodaysWithoutCharactersFilesCannotHold) {
  const format::DateTime today{2027, 1, 5};
  EXPECT_EQ(suggestedCsvName("Name List", today), "Name List 2027-01-05.csv");
  EXPECT_EQ(suggestedCsvName("Annual Summary - 2004", today),
            "Annual Summary - 2004 2027-01-05.csv");
  EXPECT_EQ(suggestedCsvName("Search/Summary: \"a*b\"", today),
            "Search-Summary- -a-b- 2027-01-05.csv");
  EXPECT_EQ(suggestedCsvName("", today), "Verdimark 2027-01-05.csv");
}

}  // namespace
}  // namespace vm::ui
