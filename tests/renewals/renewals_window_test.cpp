// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "app/frm_lobby.h"
#include "courses/course_files.h"
#include "format/automation_date.h"
#include "names/name_bytes.h"
#include "renewals/renewal_notice.h"
#include "support/pdf_pages.h"
#include "support/queued_calls.h"
#include "support/test_app.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"

using vm::test::renewalRecord;
using vm::ui::Answer;
using vm::ui::PellamButton;

namespace {

double stamp(int y, int m, int d, int h = 0) { return vm::format::toAutomationDate({y, m, d, h}); }

const double kAnn = stamp(2001, 1, 1, 8), kBob = stamp(2001, 1, 1, 9),
             kCarl = stamp(2001, 1, 1, 10);
const double kSafety = stamp(2002, 1, 1, 8), kFire = stamp(2002, 1, 1, 9),
             kFork = stamp(2002, 1, 1, 10), kTyping = stamp(2002, 1, 1, 11);

template <typename T = QWidget>
T* child(QWidget* window, const char* name) {
  T* c = window->findChild<T*>(QString::fromLatin1(name));
  EXPECT_TRUE(c) << name;
  return c;
}

void click(QWidget* window, const char* name) {
  QWidget* w = child(window, name);
  ASSERT_TRUE(w->isVisible() && w->isEnabled()) << name;
  const bool mark = qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w);
  QTest::mouseClick(w, Qt::LeftButton, {}, mark ? QPoint(8, w->height() / 2) : w->rect().center());
}

void type(QWidget* window, const char* box, const QString& text) {
  auto* edit = child<QLineEdit>(window, box);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

// The shown cells of every row of a grid, joined by "|".
QStringList rowsOf(QWidget* window, const char* grid, int columns) {
  auto* g = child<vm::ui::Grid>(window, grid);
  QStringList rows;
  for (int r = 1; r <= g->rows(); ++r) {
    QStringList cells;
    for (int c = 0; c < columns; ++c) cells << g->text(r, c);
    rows << cells.join("|");
  }
  return rows;
}

// Three active persons (Carl never trained), a Safety heading with a fire drill renewed every 12
// months and a forklift licence every 36, typing without a period; today is 12/08/2026. Ann's
// drill lapses today and her licence lapsed a week ago; Bob's drill lapses tomorrow and his
// licence, taken on a leap day, on 02/28/2027.
class RenewalsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.logIn(4);
    app.folder.write("User.List", std::string(500, ' '));
    app.folder.write("Name.List",
                     vm::test::nameList({{kAnn, "Ann", "", "Lee", "Office", "", "", -1},
                                         {kBob, "Bob", "", "Moss", "Stores", "", "", -1},
                                         {kCarl, "Carl", "", "Nash", "Stores", "", "", -1}}));
    app.folder.write("Course.Index",
                     vm::test::courseFile({{kTyping, "T-TYPE", "Typing", "", 2, ""},
                                           {kFork, "S-FORK", "Forklift Licence", "", 4, ""},
                                           {kSafety, "S", "Safety", "", 0, ""},
                                           {kFire, "S-FIRE", "Fire Drill", "", 1, ""}}));
    std::string training;
    const auto add = [&](double person, double course, double date) {
      training += vm::test::trainingRecord({date, person, course, "C", "Course", "", 1.0f, ""});
    };
    add(kAnn, kFire, stamp(2025, 12, 8, 15));
    add(kAnn, kFire, stamp(2024, 1, 1));  // an older one does not count
    add(kBob, kFire, stamp(2025, 12, 9));
    add(kBob, kFork, stamp(2024, 2, 29));
    add(kAnn, kFork, stamp(2023, 12, 1));
    add(kCarl, kTyping, stamp(2026, 1, 1));
    app.folder.write("Training.Records", training);
    app.folder.write("Course.Renewal", renewalRecord(kFire, 12) + renewalRecord(kFork, 36));
  }
  void TearDown() override {
    if (lobby) {
      lobby->hide();
      delete lobby;
    }
  }

  // With `esc`, Esc is pressed as the notice's counts are made.
  void logIn(bool esc = false) {
    lobby = new vm::app::frmLobby(app.state);
    lobby->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lobby->windowActivated(); }, 3000));
    if (esc)
      QCoreApplication::postEvent(lobby,
                                  new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    ASSERT_TRUE(vm::test::runQueuedCalls());  // the notice follows the opening
  }
  int modalsShown(const QString& name) const {
    int n = 0;
    for (const auto& s : app.dialogs.shown())
      if (s.kind == vm::test::ScriptedDialogs::Kind::Modal && s.text == name) ++n;
    return n;
  }

  vm::test::TestApp app;
  vm::app::frmLobby* lobby = nullptr;
};

const QStringList kDefaultList = {
    "Ann Lee|S-FORK|Forklift Licence|12/01/2023|12/01/2026|Expired",
    "Ann Lee|S-FIRE|Fire Drill|12/08/2025|12/08/2026|Expired",
    "Bob Moss|S-FIRE|Fire Drill|12/09/2025|12/09/2026|Due",
    "Bob Moss|S-FORK|Forklift Licence|02/29/2024|02/28/2027|Current",
};

}  // namespace

TEST_F(RenewalsWindowTest, NoticeAtLogInLeadsToTheViewAndCanBeTurnedOff) {
  QString notice;
  QStringList listed;
  app.dialogs.onModal("frmRenewalNotice", [&](QWidget* w) {
    notice = child<QLabel>(w, "lblNotice")->text();
    EXPECT_TRUE(child<QCheckBox>(w, "chkShowNotice")->isChecked());
    click(w, "chkShowNotice");
    click(w, "cmdShowRenewals");
  });
  app.dialogs.onModal("frmRenewals", [&](QWidget* w) { listed = rowsOf(w, "gridRenewals", 6); });
  logIn();
  EXPECT_EQ(notice, "2 trainings have expired and 1 fall due within 30 days");
  EXPECT_EQ(listed, kDefaultList);
  EXPECT_EQ(app.settings.value(vm::renewals::noticeSettingKey("Dana Demo")), "NoShow");

  // Turned off, the next log-in shows nothing.
  delete lobby;
  lobby = nullptr;
  app.dialogs.clear();
  logIn();
  EXPECT_EQ(modalsShown("frmRenewalNotice"), 0);

  // Another user of the program on the same computer still has it.
  delete lobby;
  lobby = nullptr;
  app.state.CurrentUserName = "Victor Viewer";
  app.dialogs.onModal("frmRenewalNotice", [](QWidget*) {});
  logIn();
  EXPECT_EQ(modalsShown("frmRenewalNotice"), 1);

  // Esc while its counts are made: no notice this time.
  delete lobby;
  lobby = nullptr;
  app.dialogs.clear();
  logIn(true);
  EXPECT_EQ(modalsShown("frmRenewalNotice"), 0);
  app.state.CurrentUserName = "Dana Demo";
  app.dialogs.clear();

  // On again, but with nothing expired or due there is nothing to tell.
  delete lobby;
  lobby = nullptr;
  app.settings.setValue(vm::renewals::noticeSettingKey("Dana Demo"), "");
  app.folder.write("Course.Renewal", renewalRecord(kFork, 120));
  logIn();
  EXPECT_EQ(modalsShown("frmRenewalNotice"), 0);
}

TEST_F(RenewalsWindowTest, ViewFromTheSearchTabSetsPeriodsAndPrints) {
  app.settings.setValue(vm::renewals::noticeSettingKey("Dana Demo"), "NoShow");
  logIn();
  QTabBar* bar = lobby->tabMain()->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
  auto* option = lobby->findChild<QRadioButton*>("optSearch4");
  EXPECT_EQ(option->text(),
            "List all active persons\nwhose trainings have expired\nor fall due for renewal");
  click(lobby, "optSearch4");
  // One choice at a time, and the matrix panel's own choices stay as they were.
  for (const char* other : {"optSearch1", "optSearch2", "optSearch3"})
    EXPECT_FALSE(lobby->findChild<QRadioButton*>(other)->isChecked()) << other;
  EXPECT_TRUE(lobby->findChild<QRadioButton*>("optMatch1")->isChecked());
  EXPECT_TRUE(lobby->findChild<QRadioButton*>("optMatrix2")->isChecked());
  EXPECT_TRUE(lobby->findChild<QWidget*>("frame4")->isVisible());

  const QString pdf = app.dataFolder() + "/renewals.pdf";
  const QString csv = app.dataFolder() + "/renewals.csv";
  app.dialogs.onModal("frmRenewals", [&](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), "Verdimark - Renewals");
    EXPECT_EQ(rowsOf(w, "gridRenewals", 6), kDefaultList);
    EXPECT_EQ(child<QLabel>(w, "lblCounts")->text(), "2 expired, 1 due within 30 days, 1 current");

    // Esc while the list is read again stops the reading: the list and its counts stay, and
    // so does the window.
    type(w, "txtDueWithin", "0");
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    click(w, "cmdShowRenewals");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(rowsOf(w, "gridRenewals", 6), kDefaultList);
    EXPECT_EQ(child<QLabel>(w, "lblCounts")->text(), "2 expired, 1 due within 30 days, 1 current");

    // Nothing is due within 0 days; the persons who never took a course come last.
    type(w, "txtDueWithin", "0");
    click(w, "chkNeverTaken");
    click(w, "cmdShowRenewals");
    EXPECT_EQ(rowsOf(w, "gridRenewals", 6).mid(2),
              (QStringList{"Bob Moss|S-FIRE|Fire Drill|12/09/2025|12/09/2026|Current",
                           "Bob Moss|S-FORK|Forklift Licence|02/29/2024|02/28/2027|Current",
                           "Carl Nash|S-FIRE|Fire Drill|||Never taken",
                           "Carl Nash|S-FORK|Forklift Licence|||Never taken"}));

    // The fire drill is renewed every 24 months from now on.
    app.dialogs.onModal("frmRenewalPeriods", [&](QWidget* p) {
      EXPECT_EQ(rowsOf(p, "gridPeriods", 3),
                (QStringList{"S|Safety|", "S-FIRE|Fire Drill|12", "S-FORK|Forklift Licence|36",
                             "T-TYPE|Typing|"}));
      EXPECT_FALSE(child(p, "cmdSave")->isVisible());
      EXPECT_FALSE(child(p, "txtMonths")->isEnabled());  // the heading renews nothing
      auto* grid = child<vm::ui::Grid>(p, "gridPeriods");
      grid->setFocus();
      QTest::keyClick(grid, Qt::Key_Down);
      EXPECT_EQ(child<QLineEdit>(p, "txtMonths")->text(), "12");
      type(p, "txtMonths", "24");
      click(p, "cmdSave");
    });
    click(w, "cmdRenewalPeriods");
    EXPECT_EQ(app.folder.read("Course.Renewal"),
              renewalRecord(kFire, 24) + renewalRecord(kFork, 36));
    EXPECT_EQ(app.folder.read("Change.Log"),
              "12/08/2026 10:30:00\tDana Demo\trenewal period changed\tS-FIRE, Fire Drill\t"
              "Months: \"12\" -> \"24\"\r\n");
    EXPECT_EQ(rowsOf(w, "gridRenewals", 6).first(),
              "Ann Lee|S-FORK|Forklift Licence|12/01/2023|12/01/2026|Expired");
    EXPECT_EQ(rowsOf(w, "gridRenewals", 6).at(2),
              "Ann Lee|S-FIRE|Fire Drill|12/08/2025|12/08/2027|Current");

    app.dialogs.answer(Answer::Other);  // "Save as PDF..."
    app.dialogs.answerSaveFile(pdf);
    click(w, "cmdPrintRenewals");
    EXPECT_EQ(app.dialogs.lastMessage().title, "Print the Renewals List?");

    // The list leaves as CSV from its grid's keys, as every list does.
    app.dialogs.answerSaveFile(csv);
    auto* grid = child<vm::ui::Grid>(w, "gridRenewals");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_E, Qt::ControlModifier);
    click(w, "cmdClose");
  });
  click(lobby, "cmdRenewals");
  EXPECT_EQ(vm::test::pdfPageCount(pdf), 1);
  const std::string exported = app.folder.read("renewals.csv");
  EXPECT_EQ(exported.substr(0, exported.find('\n', exported.find('\n') + 1) + 1),
            "\xEF\xBB\xBFName,Course Code,Name of Course,Last Trained,Lapses,Status\r\n"
            "Ann Lee,S-FORK,Forklift Licence,12/01/2023,12/01/2026,Expired\r\n");
}

TEST_F(RenewalsWindowTest, ReadOnlyUsersSeeThePeriodsWithoutChangingThem) {
  app.state.CurrentAccessLevel = 1;
  app.settings.setValue(vm::renewals::noticeSettingKey("Dana Demo"), "NoShow");
  logIn();
  QTabBar* bar = lobby->tabMain()->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
  click(lobby, "optSearch4");
  app.dialogs.onModal("frmRenewals", [&](QWidget* w) {
    app.dialogs.onModal("frmRenewalPeriods", [&](QWidget* p) {
      EXPECT_EQ(child<PellamButton>(p, "cmdCancel")->caption(), "Close");
      auto* months = child<QLineEdit>(p, "txtMonths");
      EXPECT_TRUE(months->isReadOnly());
      QTest::keyClicks(months, "7");
      EXPECT_FALSE(child(p, "cmdSave")->isVisible());
      click(p, "cmdCancel");
    });
    click(w, "cmdRenewalPeriods");
    click(w, "cmdClose");
  });
  click(lobby, "cmdRenewals");
  EXPECT_EQ(app.folder.read("Course.Renewal"), renewalRecord(kFire, 12) + renewalRecord(kFork, 36));
}
