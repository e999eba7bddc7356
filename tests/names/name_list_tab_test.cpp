// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/name_list_tab.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "format/automation_date.h"
#include "names/name_tab_fixture.h"

using vm::names::NameListTab;
using vm::test::NameBytes;
using vm::ui::Answer;
using vm::ui::MessageIcon;

namespace {

class NameListTabTest : public vm::test::NameTabFixture {
 protected:
  QRadioButton* option(int i) {
    return lobby.findChild<QRadioButton*>(QStringLiteral("optDisplay%1").arg(i));
  }
  QStringList listed() {
    QStringList out;
    for (int r = 1; r <= grid()->rows(); ++r) out << grid()->text(r, 0);
    return out;
  }
  QColor optionColour(int i) { return option(i)->palette().color(QPalette::WindowText); }
};

const QColor kDarkBlue(0, 0, 64);
const QColor kGreyed(192, 192, 192);

}  // namespace

TEST_F(NameListTabTest, ForeignRecordsAreListedFilteredAndSortedByLastName) {
  write({{38000.5, "Bob", "", "Lee", "Ops", "", "", -1},
         {38001.5, "Carl", "Dean", "Lee", "Lab", "", "", -1},
         {38002.5, "ann", "", "lee", "Lab", "", "", -1},
         {38003.5, "Zoe", "", "Adams", "Yard", "", "", 0},
         {38004.5, "Jos\xE9", "", "\xC1lvarez", "Almac\xE9n", "", "", -1},
         {38005.5, "Odd", "", "Flag", "", "", "", 7},
         {38006.5, "Ann", "", "Lee", "Lab", "", "", -1}});
  tab->UpdateNameGrid();

  EXPECT_EQ(listed(),
            (QStringList{"José Álvarez", "ann lee", "Ann Lee", "Bob Lee", "Carl Dean Lee"}));
  EXPECT_EQ(grid()->headerText(0), "List of all active persons");
  EXPECT_EQ(grid()->headerText(1), "Organization");
  EXPECT_TRUE(option(1)->isChecked());
  EXPECT_EQ(grid()->text(5, NameListTab::kColSortKey), "Lee Dean Carl");
  EXPECT_EQ(grid()->text(5, NameListTab::kColRecNum), "2");
  EXPECT_EQ(grid()->text(5, NameListTab::kColDateCreated), "38001.5");
  for (int c : {2, 3, 4}) EXPECT_TRUE(grid()->isColumnHidden(c)) << c;
  EXPECT_FALSE(grid()->cellBackground(1, 0).isValid());
  EXPECT_EQ(grid()->cellBackground(2, 1), QColor(240, 240, 240));
  EXPECT_FALSE(grid()->cellBackground(2, 2).isValid());
  EXPECT_EQ(grid()->currentRow(), 1);  // the first refresh highlights the top person
  EXPECT_EQ(lobby.refreshes(), 0);     // the caller refreshes the buttons

  lobby.setActivated();
  option(2)->click();
  EXPECT_EQ(listed(), QStringList{"Zoe Adams"});  // the odd flag is not "inactive"
  EXPECT_EQ(grid()->headerText(0), "List of all inactive persons");
  EXPECT_EQ(lobby.refreshes(), 1);

  option(3)->click();
  EXPECT_EQ(listed().size(), 7);
  EXPECT_EQ(listed()[0], "Zoe Adams");
  EXPECT_EQ(listed()[1], "José Álvarez");  // among the A's
  EXPECT_EQ(listed()[2], "Odd Flag");
  EXPECT_EQ(grid()->headerText(0), "List of all active and inactive persons");
  EXPECT_EQ(tab->displayCaption(), "Active and Inactive Persons");
  for (int i = 1; i <= 3; ++i) {
    EXPECT_TRUE(option(i)->isEnabled());
    EXPECT_EQ(optionColour(i), kDarkBlue);
  }
}

TEST_F(NameListTabTest, OnlyInactivePersonsAreShownFirstAndTheOtherChoicesGreyed) {
  write({{38000.5, "Zoe", "", "Adams", "", "", "", 0}});
  tab->UpdateNameGrid();
  EXPECT_TRUE(option(2)->isChecked());
  EXPECT_EQ(listed(), QStringList{"Zoe Adams"});
  for (int i : {1, 3}) {
    EXPECT_FALSE(option(i)->isEnabled());
    EXPECT_EQ(option(i)->palette().color(QPalette::Disabled, QPalette::WindowText), kGreyed);
  }
  EXPECT_FALSE(grid()->cellBackground(1, 0).isValid());  // one row: no shading
}

TEST_F(NameListTabTest, AnEmptyFileHidesTheChoicesAndSaysSo) {
  app.dialogs.answer(Answer::Ok);
  tab->UpdateNameGrid();
  const auto box = app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "No Names on File...");
  EXPECT_EQ(box.text, "There are currently no names\nin the Name List");
  EXPECT_EQ(box.icon, MessageIcon::Information);
  EXPECT_EQ(grid()->rows(), 0);
  EXPECT_FALSE(grid()->isVisible());
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(option(i)->isVisible());
  EXPECT_TRUE(lobby.isEnabled());
}

TEST_F(NameListTabTest, AChoiceWithNobodyToListSaysSo) {
  // An odd flag enables "Inactive Persons" but is listed only under all persons.
  write({{38000.5, "Bob", "", "Lee", "", "", "", -1}, {38001.5, "Odd", "", "Flag", "", "", "", 3}});
  tab->UpdateNameGrid();
  lobby.setActivated();
  app.dialogs.answer(Answer::Ok);
  option(2)->click();
  const auto box = app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "Nothing to display");
  EXPECT_EQ(box.text, "There are no inactive persons\n to display.");
  EXPECT_EQ(grid()->rows(), 0);
  EXPECT_FALSE(grid()->isVisible());
  EXPECT_TRUE(option(2)->isChecked());
}

TEST_F(NameListTabTest, LaterRefreshesKeepTheChoiceUntilItsSideIsEmpty) {
  write(
      {{38000.5, "Bob", "", "Lee", "", "", "", -1}, {38001.5, "Zoe", "", "Adams", "", "", "", 0}});
  tab->UpdateNameGrid();
  lobby.setActivated();
  option(2)->click();
  tab->UpdateNameGrid();
  EXPECT_TRUE(option(2)->isChecked());
  // Zoe made active elsewhere: nobody inactive is left.
  write(
      {{38000.5, "Bob", "", "Lee", "", "", "", -1}, {38001.5, "Zoe", "", "Adams", "", "", "", -1}});
  tab->UpdateNameGrid();
  EXPECT_TRUE(option(1)->isChecked());
  EXPECT_EQ(listed().size(), 2);
  EXPECT_FALSE(option(2)->isEnabled());
}

TEST_F(NameListTabTest, TheGridTellsWhatADoubleClickDoesAtEachLevel) {
  write({{38000.5, "Bob", "", "Lee", "", "", "", -1}});
  tab->UpdateNameGrid();
  auto* edit = lobby.findChild<QPushButton*>("cmdEditName");
  edit->show();
  app.state.CurrentAccessLevel = 1;
  emit grid()->mouseOverRow(1);
  EXPECT_EQ(grid()->toolTip(), " Double-click to view this user ");
  app.state.CurrentAccessLevel = 2;
  emit grid()->mouseOverRow(1);
  EXPECT_EQ(grid()->toolTip(), " Double-click to view/edit this user ");
  emit grid()->mouseOverRow(0);
  EXPECT_EQ(grid()->toolTip(), "");
  emit grid()->mouseOverRow(1);
  edit->hide();
  emit grid()->mouseOverRow(1);
  EXPECT_EQ(grid()->toolTip(), "");
}

TEST_F(NameListTabTest, DoubleClickingAPersonOpensTheEditorOnThatPerson) {
  write({{38000.5, "Bob", "", "Lee", "", "", "", -1}, {38001.5, "Ann", "", "Lee", "", "", "", -1}});
  tab->UpdateNameGrid();
  lobby.findChild<QPushButton*>("cmdEditName")->show();
  grid()->selectRow(2);
  QString seen;
  app.dialogs.onModal("frmAddEditName",
                      [&](QWidget* w) { seen = w->findChild<QLineEdit*>("txtField1")->text(); });
  emit grid()->rowDoubleClicked(2);
  EXPECT_EQ(seen, "Bob");
}

// What the person sees, column for column, in the list's order, at the lowest access level.
TEST_F(NameListTabTest, TheListIsExportedAsShownThroughTheGridsMenu) {
  app.state.CurrentAccessLevel = 1;
  write({{38000.5, "Bob", "", "Lee, Jr.", "Ops \"North\"", "", "", -1},
         {38001.5, "Jos\xE9", "", "\xC1lvarez", "Almac\xE9n", "", "", -1},
         {38002.5, "Zoe", "", "Adams", "", "", "", 0}});
  tab->UpdateNameGrid();
  const QString file = app.dataFolder() + "/names.csv";
  app.dialogs.chooseMenuItem("Export to CSV...");
  app.dialogs.answerSaveFile(file);
  const QPoint at = grid()->viewport()->rect().center();
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, grid()->viewport()->mapToGlobal(at));
  QApplication::sendEvent(grid()->viewport(), &click);

  EXPECT_TRUE(app.dialogs.shown().at(1).defaultAnswer.endsWith("/Name List 2026-12-08.csv"));
  EXPECT_EQ(app.folder.read("names.csv"),
            "\xEF\xBB\xBF"
            "List of all active persons,Organization\r\n"
            "José Álvarez,Almacén\r\n"
            "\"Bob Lee, Jr.\",\"Ops \"\"North\"\"\"\r\n");
}
