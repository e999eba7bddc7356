// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include "access/access_fixture.h"
#include "access/change_log_model.h"
#include "ui/dialogs.h"

using namespace vm;
using test::AdminFixture;
using test::click;
using test::find;
using ui::Answer;

namespace {

// 1,203 changes over 13 days, 100 a day from 1 January 2026, Ann Lee and Kim Ng taking turns.
std::string aLongLog() {
  std::string log;
  for (int i = 1; i <= 1203; ++i) {
    char when[32];
    std::snprintf(when, sizeof when, "01/%02d/2026 %02d:%02d:00", 1 + (i - 1) / 100,
                  (i % 100) / 60 + 8, i % 60);
    log += std::string(when) + (i % 2 ? "\tAnn Lee" : "\tKim Ng") + "\tperson edited\tPerson " +
           std::to_string(i) + (i == 1203 ? "\tLast Name: \"M\xFC\x6Cler\" -> \"Li\"" : "\t") +
           "\r\n";
  }
  return log;
}

QString cell(QTableView* grid, int row, int column) {
  return grid->model()->index(row, column).data().toString();
}

void typeAndApply(QWidget* w, const char* box, const QString& text) {
  auto* edit = find<QLineEdit>(w, box);
  edit->clear();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

}  // namespace

// Through the admin window: the newest change first, older ones as the list is scrolled, a filter
// by text and by days, a date that is no date refused, an export of what is listed, and back.
TEST(ChangeLogWindow, ListsNewestFirstFiltersAndExportsWhatItLists) {
  AdminFixture f;
  f.writeUsers(test::userRecordBytes(test::stamp(2005, 3, 14), "Amy", "Baker", "xSyezcarbe9t", 4));
  f.app.folder.write("Change.Log", aLongLog());
  f.open();
  f.app.dialogs.answerInput(QString::fromStdString(f.app.state.install.accessCode));
  click(f.admin, "cmdAdmin");
  EXPECT_EQ(test::button(f.admin, "cmdReviewChangeLog")->caption(), "Review &Change Log");

  const std::string csv = f.app.folder.str() + "/kim.csv";
  bool driven = false;
  f.app.dialogs.onModal("frmChangeLog", [&](QWidget* w) {
    driven = true;
    EXPECT_EQ(w->windowTitle(), "Verdimark - Change Log");
    auto* grid = find<QTableView>(w, "gridChangeLog");
    auto* count = find<QLabel>(w, "lblCount");
    EXPECT_EQ(grid->model()->rowCount(), access::ChangeLogModel::kPage);
    EXPECT_EQ(cell(grid, 0, 0), "01/13/2026 08:03:00");
    EXPECT_EQ(cell(grid, 0, 1), "Ann Lee");
    EXPECT_EQ(cell(grid, 0, 2), "person edited");
    EXPECT_EQ(cell(grid, 0, 3), "Person 1203");
    EXPECT_EQ(cell(grid, 0, 4), "Last Name: \"M\u00FCller\" -> \"Li\"");
    EXPECT_EQ(cell(grid, 1, 3), "Person 1202");
    EXPECT_EQ(grid->model()->headerData(4, Qt::Horizontal).toString(), "Details");
    EXPECT_EQ(count->text(), "The newest 500 changes; older ones are listed as you scroll down.");

    grid->scrollToBottom();  // the view asks for the next page at the end of the list
    QApplication::processEvents();
    EXPECT_EQ(grid->model()->rowCount(), 1000);

    typeAndApply(w, "txtFind", "kIM");
    EXPECT_EQ(grid->model()->rowCount(), 500);
    EXPECT_EQ(cell(grid, 0, 3), "Person 1202");
    EXPECT_EQ(cell(grid, 499, 3), "Person 204");

    typeAndApply(w, "txtFrom", "1/3/2026");
    typeAndApply(w, "txtTo", "January 4, 2026");
    ASSERT_EQ(grid->model()->rowCount(), 100);  // Kim's half of two days, all of it listed
    EXPECT_EQ(cell(grid, 0, 3), "Person 400");
    EXPECT_EQ(cell(grid, 99, 3), "Person 202");
    EXPECT_EQ(count->text(), "100 change(s), newest first.");

    f.app.dialogs.answerSaveFile(QString::fromStdString(csv));
    click(w, "cmdExport");
    EXPECT_EQ(count->text(), "100 change(s) saved in " + QString::fromStdString(csv) + ".");

    f.app.dialogs.answer(Answer::Ok);
    typeAndApply(w, "txtTo", "13/45/2026");
    EXPECT_EQ(f.app.dialogs.lastMessage().title, "Check the date entry");
    EXPECT_EQ(f.app.dialogs.lastMessage().text, "I don't understand\nthe date entry.");
    EXPECT_EQ(grid->model()->rowCount(), 100);  // the list stays as it was

    click(w, "cmdClear");
    EXPECT_TRUE(find<QLineEdit>(w, "txtFind")->text().isEmpty());
    EXPECT_EQ(cell(grid, 0, 3), "Person 1203");
    click(w, "cmdClose");
  });
  click(f.admin, "cmdReviewChangeLog");
  EXPECT_TRUE(driven);

  const std::string exported = f.app.folder.read("kim.csv");
  EXPECT_TRUE(
      exported.starts_with("\xEF\xBB\xBF"
                           "Date and Time,User,Action,Record,Details\r\n"
                           "01/04/2026 08:40:00,Kim Ng,person edited,Person 400,\r\n"));
  EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), 101);

  // An empty log has nothing to show.
  f.app.folder.write("Change.Log", "");
  f.app.dialogs.answer(Answer::Ok);
  click(f.admin, "cmdReviewChangeLog");
  EXPECT_EQ(f.app.dialogs.lastMessage().title, "Nothing to View");
  EXPECT_EQ(f.app.dialogs.lastMessage().text, "There is currently no data\nin the 'Change Log'.");
}
