// SPDX-License-Identifier: GPL-3.0-or-later
// The import as a person makes it: the Name List's pop-up menu, the file, the window, Import.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "app/frm_lobby.h"
#include "imports/frm_import.h"
#include "names/name_bytes.h"
#include "support/test_app.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"

namespace vm::imports {
namespace {

using test::ScriptedDialogs;

QString fixture(const char* name) {
  return QString::fromUtf8(VERDIMARK_TEST_DATA) + "/spreadsheets/" + name;
}

// The main window on a folder with Ann Lee, at the level given.
class ImportWindowTest : public ::testing::Test {
 protected:
  void open(int level, bool persons = true) {
    app.state.CurrentUserName = "Dana Demo";
    app.state.CurrentAccessLevel = level;
    app.folder.write("User.List", std::string(500, ' '));
    if (persons)
      app.folder.write("Name.List",
                       test::nameList({{38000.5, "Ann", "", "Lee", "Plant 1", "E-1", "", -1}}));
    else
      app.dialogs.answer(ui::Answer::Ok);  // "No Names on File..."
    lobby = std::make_unique<app::frmLobby>(app.state);
    lobby->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lobby->windowActivated(); }, 3000));
    app.dialogs.clear();
  }
  ui::Grid* grid() { return lobby->findChild<ui::Grid*>("gridName"); }
  void rightClick(QWidget* on) {
    const QPoint at = on->rect().center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, on->mapToGlobal(at));
    QApplication::sendEvent(on, &click);
  }

  test::TestApp app;
  std::unique_ptr<app::frmLobby> lobby;
};

TEST_F(ImportWindowTest, ImportingFromTheListsMenuAddsTheNewRowsAndRebuildsTheList) {
  open(3);
  app.dialogs.chooseMenuItem("Import from a Spreadsheet...");
  app.dialogs.answerOpenFile(fixture("records.xlsx"));
  QString counts, kinds;
  app.dialogs.onModal("frmImport", [&](QWidget* w) {
    counts = w->findChild<QLabel*>("lblCounts")->text();
    auto* sheet = w->findChild<QComboBox*>("cboSheet");
    for (int s = 0; s < sheet->count(); ++s) {
      sheet->setCurrentIndex(s);
      kinds += w->findChild<QComboBox*>("cboKind")->currentText() + "; ";
    }
    // The staff sheet's employee IDs are read as nothing: Ann Lee of the staff sheet is then
    // found by her name, and José Núñez is added without an ID.
    sheet->setCurrentIndex(0);
    w->findChild<QComboBox*>("cboField5")->setCurrentIndex(0);
    app.dialogs.answer(ui::Answer::Yes);
    app.dialogs.answer(ui::Answer::Ok);
    QTest::mouseClick(w->findChild<ui::PellamButton*>("cmdImport"), Qt::LeftButton);
  });
  rightClick(grid()->viewport());

  EXPECT_EQ(
      counts,
      "8 rows new, 2 on file, 6 refused: 2 persons, 3 courses and 3 training records to add.");
  EXPECT_EQ(kinds, "Rows of records; Rows of records; Rows of records; ");
  const auto boxes = app.dialogs.messages();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].title, "Import from a Spreadsheet");
  EXPECT_EQ(boxes[0].text, "Add 2 persons, 3 courses and 2 training records?");
  EXPECT_EQ(boxes[1].text, "2 persons, 3 courses and 2 training records added.");
  EXPECT_EQ(grid()->rows(), 3);
  EXPECT_EQ(grid()->text(3, 0), "José María Núñez");
  const std::string log = app.folder.read("Change.Log");
  EXPECT_EQ(log.substr(0, log.find("\r\n")),
            "12/08/2026 10:30:00\tDana Demo\tdata imported\t" +
                QDir::toNativeSeparators(fixture("records.xlsx")).toStdString() +
                "\t2 persons added; 3 courses added; 2 training records added; 2 rows already on "
                "file; 7 rows refused");
  EXPECT_EQ(app.folder.read("Course.Index").size(), 3u * 300);
  EXPECT_EQ(app.folder.read("Training.Records").size(), 2u * 300);
}

TEST_F(ImportWindowTest, OnlyUsersWhoMayAddAreOfferedTheImportEvenWhenTheListIsEmpty) {
  open(2, false);  // nobody: the grid is hidden and its page offers the command
  QWidget* page = lobby->tabMain()->widget(0);
  ASSERT_TRUE(grid()->isHidden());
  rightClick(page);
  EXPECT_TRUE(app.dialogs.shown().empty());
  app.state.CurrentAccessLevel = 4;
  app.state.ReadOnly = true;  // a copy that only reads the folder never imports
  rightClick(page);
  EXPECT_TRUE(app.dialogs.shown().empty());

  app.state.ReadOnly = false;
  app.dialogs.chooseMenuItem("Import from a Spreadsheet...");
  app.dialogs.answerOpenFile(fixture("no such file.xlsx"));
  app.dialogs.answer(ui::Answer::Ok);
  rightClick(page);
  const ScriptedDialogs::Shown box = app.dialogs.lastMessage();
  EXPECT_EQ(box.icon, ui::MessageIcon::Critical);
  EXPECT_TRUE(box.text.startsWith("The file\n")) << box.text.toStdString();
  EXPECT_TRUE(
      box.text.endsWith("\ncannot be imported: the file cannot be opened: No such file or "
                        "directory."))
      << box.text.toStdString();
  EXPECT_FALSE(app.folder.has("Name.List") && !app.folder.read("Name.List").empty());
}

}  // namespace
}  // namespace vm::imports
