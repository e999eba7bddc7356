// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "access/frm_admin.h"
#include "access/user_bytes.h"
#include "app/frm_lobby.h"
#include "courses/course_files.h"
#include "names/name_bytes.h"
#include "support/test_app.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"

using namespace vm;
using ui::Answer;

namespace {

QLineEdit* field(QWidget* w, int i) {
  return w->findChild<QLineEdit*>(QStringLiteral("txtField%1").arg(i));
}

void press(QWidget* w, const char* name) {
  auto* b = w->findChild<ui::PellamButton*>(name);
  ASSERT_NE(b, nullptr) << name;
  ASSERT_TRUE(b->isVisible() && b->isEnabled()) << name;
  QTest::mouseClick(b, Qt::LeftButton);
}

void retype(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClicks(box, text);
}

void selectWhere(ui::Grid* grid, int column, const QString& text) {
  for (int row = 1; row <= grid->rows(); ++row) {
    if (grid->text(row, column) == text) {
      grid->selectRow(row);
      return;
    }
  }
  ADD_FAILURE() << "no row " << text.toStdString();
}

// What the log holds: its lines in Windows-1252 with their line ends.
std::string logOf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

}  // namespace

// A day's work through the windows, then the change log read byte by byte against it: additions,
// edits and deletions of persons, courses, training records and users, a credit, a course change
// carried into its training records, a backup and a restore. Names with accents and a control
// character among them.
TEST(ChangeLogSequence, EveryChangeMadeThroughTheWindowsHasItsLine) {
  test::TestApp app;
  test::TempFolder backup;
  app.folder.write("User.List", test::userRecordBytes(test::stamp(2005, 3, 14), "Dana", "Demo",
                                                      "xSyezcarbe9t", 4));
  test::NameBytes bob;
  bob.dateCreated = 38000.5;
  bob.first = "Bob";
  bob.last = "Lee";
  app.folder.write("Name.List", bob.bytes());
  app.folder.write("Course.Index",
                   test::courseFile({{45000.25, "FA-02", "First Aid", "Red Cross", 2.5f, ""}}));
  app.logIn(4, "Dana D\u00E9mo");
  app.state.showAdminWindow = [] {};
  app.state.shutdown = [] {};
  const auto at = [&](int minute) {
    app.clock.set({2026, 12, 8, 10, minute, 0});
    return "12/08/2026 10:" + std::to_string(minute) + ":00\tDana D\xE9mo\t";
  };
  app::frmLobby lobby(app.state);
  lobby.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return lobby.windowActivated(); }, 3000));
  std::vector<std::string> lines;

  // A person added, with a tab typed into the organization and comments on two lines.
  lines.push_back(at(30) +
                  "person added\tZo\xEB M\xFCller\tOrganization: \"Plant 2\"; Comments: "
                  "\"first  second\"; Status: \"Active Person\"");
  app.dialogs.onModal("frmAddEditName", [](QWidget* w) {
    field(w, 1)->insert(QStringLiteral("Zo\u00EB"));  // as pasted: the key helper knows no accents
    field(w, 3)->insert(QStringLiteral("M\u00FCller"));
    field(w, 4)->setText("Plant\t2");
    w->findChild<QPlainTextEdit*>("txtField6")->setPlainText("first\nsecond");
    press(w, "cmdSave");
  });
  press(&lobby, "cmdAddName");

  // A person edited.
  lines.push_back(at(31) + "person edited\tBob Lee\tLast Name: \"Lee\" -> \"Li\"");
  selectWhere(lobby.nameGrid(), 0, "Bob Lee");
  app.dialogs.onModal("frmAddEditName", [](QWidget* w) {
    retype(field(w, 3), "Li");
    press(w, "cmdSave");
  });
  press(&lobby, "cmdEditName");

  // A course added.
  lobby.tabMain()->setCurrentIndex(1);
  lines.push_back(at(32) + "course added\tCPR, Resuscitation\tHours: \"4\"");
  app.dialogs.onModal("frmAddEditCourse", [](QWidget* w) {
    QTest::keyClicks(field(w, 1), "CPR");
    QTest::keyClicks(field(w, 2), "Resuscitation");
    QTest::keyClicks(field(w, 4), "4");
    press(w, "cmdSave");
  });
  press(&lobby, "cmdAddCourse");

  // A course credited to both persons: one line per training record.
  selectWhere(lobby.courseGrid(), 0, "FA-02");
  const std::string credited =
      "training credited\t%, 03/15/2024, FA-02, First Aid\tProvided by: \"Red Cross\"; Hours: "
      "\"2.5\"; Comments: \"Passed\"";
  for (const char* person : {"Bob Li", "Zo\xEB M\xFCller"})
    lines.push_back(at(33) + std::string(credited).replace(credited.find('%'), 1, person));
  app.dialogs.onModal("frmCreditTraining", [](QWidget* w) {
    QTest::keyClicks(w->findChild<QLineEdit*>("txtDate"), "03/15/2024");
    auto* names = w->findChild<QListWidget*>("listNames");
    names->selectAll();
    emit names->itemClicked(names->item(0));
    w->findChild<QPlainTextEdit*>("txtComments")->setPlainText("Passed");
    press(w, "cmdSave");
  });
  press(&lobby, "cmdCreditTraining");

  // The course edited, and the change carried into its two training records.
  lines.push_back(at(34) + "course edited\tFA-02, First Aid\tHours: \"2.5\" -> \"3\"");
  lines.push_back(at(34) +
                  "course change carried\tFA-02, First Aid\t2 of 2 training records updated");
  selectWhere(lobby.courseGrid(), 0, "FA-02");
  app.dialogs.answer(Answer::Yes);  // carry the change
  app.dialogs.answer(Answer::Ok);   // the result
  app.dialogs.onModal("frmAddEditCourse", [](QWidget* w) {
    retype(field(w, 4), "3");
    press(w, "cmdSave");
  });
  press(&lobby, "cmdEditCourse");

  // A training record edited in the person's history.
  lobby.tabMain()->setCurrentIndex(0);
  lines.push_back(at(35) +
                  "training edited\tZo\xEB M\xFCller, 03/15/2024, FA-02, First Aid\t"
                  "Hours: \"3\" -> \"5\"");
  selectWhere(lobby.nameGrid(), 0, QStringLiteral("Zo\u00EB M\u00FCller"));
  app.dialogs.onModal("frmTrainingHistory", [&](QWidget* w) {
    app.dialogs.chooseMenuItem("...the hours associated with this training record");
    app.dialogs.answerInput("5");
    press(w, "cmdEditTraining");
    press(w, "cmdReturn");
  });
  press(&lobby, "cmdTrainingHistory");

  // A course deleted.
  lobby.tabMain()->setCurrentIndex(1);
  lines.push_back(at(36) + "course deleted\tCPR, Resuscitation\t");
  selectWhere(lobby.courseGrid(), 0, "CPR");
  app.dialogs.answer(Answer::Yes);  // "Confirm"
  app.dialogs.answer(Answer::Ok);   // "Course Removed"
  press(&lobby, "cmdDeleteCourse");

  // A person deleted with the training record.
  lobby.tabMain()->setCurrentIndex(0);
  lines.push_back(at(37) + "person deleted\tBob Li\t1 training record removed");
  selectWhere(lobby.nameGrid(), 0, "Bob Li");
  for (Answer a : {Answer::No, Answer::Ok, Answer::Ok, Answer::Ok}) app.dialogs.answer(a);
  press(&lobby, "cmdDeleteName");

  // A backup: its own copy of the log ends with its line, as the data folder's does then.
  lines.push_back(at(38) + "data backed up\t" + backup.str() +
                  "\tUser.List, User.Log, Name.List, Course.Index, Training.Records, Change.Log; "
                  "its Change.Log ends with this line");
  const std::string backedUp = logOf(lines);
  app.dialogs.chooseMenuItem("Backup the Verdimark data files");
  app.dialogs.answerFolder(QString::fromStdString(backup.str()));
  app.dialogs.answer(Answer::Ok);  // "Backup Procedure"
  app.dialogs.answer(Answer::Ok);  // backed up
  press(&lobby, "cmdBackupRestore");
  EXPECT_EQ(backup.read("Change.Log"), backedUp);

  // A user added, edited (password and level) and deleted in the admin window, by the
  // administrator.
  {
    const auto admin = [&](int minute) {
      const std::string line = at(minute);
      return line.substr(0, 20) + "(administrator)\t";
    };
    auto* window = new access::frmAdmin(app.state);
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->activated(); }, 3000));
    app.dialogs.answerInput(QString::fromStdString(app.state.install.accessCode));
    press(window, "cmdAdmin");
    const auto choose = [](QWidget* w, int level) {
      auto* option = w->findChild<QRadioButton*>(QStringLiteral("optAccessLevel%1").arg(level));
      QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    };
    lines.push_back(admin(39) + "user added\tKim Ng\tAccess Level: \"Read/Edit\"");
    app.dialogs.onModal("frmAddEditUser", [&](QWidget* w) {
      QTest::keyClicks(field(w, 1), "Kim");
      QTest::keyClicks(field(w, 2), "Ng");
      retype(field(w, 3), "secret1");
      choose(w, 2);
      press(w, "cmdSave");
    });
    press(window, "cmdAddUser");
    lines.push_back(admin(40) +
                    "user edited\tKim Ng\tAccess Level: \"Read/Edit\" -> \"Read/Edit/Add\"; "
                    "password changed");
    app.dialogs.onModal("frmAddEditUser", [&](QWidget* w) {
      retype(field(w, 3), "hidden2");
      choose(w, 3);
      press(w, "cmdSave");
    });
    press(window, "cmdEditUser");
    lines.push_back(admin(41) + "user deleted\tKim Ng\t");
    app.dialogs.answer(Answer::Yes);  // "Confirm Deletion"
    app.dialogs.answer(Answer::Ok);   // "Name removed"
    press(window, "cmdDeleteUser");
    delete window;
  }
  const std::string full = logOf(lines);
  EXPECT_EQ(app.folder.read("Change.Log"), full);
  EXPECT_EQ(full.find("secret1"), std::string::npos);
  EXPECT_EQ(full.find("hidden2"), std::string::npos);

  // A restore: the data files come back, the log keeps every line it had, and the restore's
  // line, dated with the backup's own line, ends it.
  at(42);
  app.dialogs.chooseMenuItem("Restore the Verdimark data files");
  app.dialogs.answerFolder(QString::fromStdString(backup.str()));
  app.dialogs.answer(Answer::Yes);  // "Important! Please read carefully..."
  app.dialogs.answer(Answer::Ok);   // restored
  press(&lobby, "cmdBackupRestore");
  EXPECT_EQ(app.folder.read("Change.Log"),
            full + at(42) + "data restored\t" + backup.str() +
                "\tUser.List, User.Log, Name.List, Course.Index, Training.Records; Backed up: "
                "\"12/08/2026 10:38:00\"\r\n");
  lobby.hide();
}
