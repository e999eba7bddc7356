// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a server's records, as two desks meet them: what one desk saves, the other lists;
// a save that another desk's save got ahead of is refused, saying who saved first, and the editor
// shows the record as that desk left it; what the other desk changes shows by itself, in place.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "access/frm_admin.h"
#include "access/frm_title_page.h"
#include "access/server_choice.h"
#include "app/frm_lobby.h"
#include "format/trim.h"
#include "renewals/frm_renewal_periods.h"
#include "renewals/renewal_notice.h"
#include "server/server_records.h"
#include "server/server_test.h"
#include "support/expect_box.h"
#include "support/test_app.h"
#include "training/frm_training_history.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"
#include "ui/open_modal.h"

namespace vm::test {
namespace {

store::NameRecord person(const std::string& first, const std::string& last, double created = 0) {
  store::NameRecord p;
  p.DateCreated = created;
  p.FirstName = first;
  p.LastName = last;
  p.Active = store::kActive;
  return p;
}

struct ServerWindows : ServerTest {
  TestApp app;  // the desk's settings, dialogs and clock; its data folder stays empty
  server::Connection deskA = connect();
  server::Connection deskB = connect();
  server::ServerRecords recordsA{deskA};
  server::ServerRecords recordsB{deskB};
  ui::AppState state{app.files, recordsA, app.settings, app.dialogs, app.clock};
  const store::ChangeAuthor bea{"Bea Other", {2026, 12, 8, 10, 31, 5}};

  ServerWindows() {
    state.Server = "db1:5432";
    state.CurrentUserName = "Dana Demo";
    state.CurrentAccessLevel = 4;
    app.settings.setValue(renewals::noticeSettingKey(state.CurrentUserName), "NoShow");
  }
};

TEST_F(ServerWindows, ASaveThatAnotherDeskGotAheadOfIsRefusedAndTheEditorShowsTheirs) {
  recordsB.addPerson(bea, person("Ann", "Lee"));
  recordsB.addPerson(bea, person("Bo", "Park"));
  app::frmLobby lobby(state);
  lobby.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return lobby.windowActivated(); }, 3000));
  auto* grid = lobby.findChild<ui::Grid*>("gridName");
  ASSERT_EQ(grid->rows(), 2);  // desk B's persons, listed from the server
  grid->selectRow(1);
  ASSERT_EQ(grid->text(1, 0), "Ann Lee");

  QString shownOrganization;
  app.dialogs.onModal("frmAddEditName", [&](QWidget* w) {
    // Desk B saves Ann while desk A has her open.
    recordsB.persons();
    store::NameRecord theirs = recordsB.person(1);
    theirs.Organization = "Stores";
    recordsB.savePerson(bea, 1, theirs);

    auto* organization = w->findChild<QLineEdit*>("txtField4");
    QTest::keyClicks(organization, "Accounts");
    w->findChild<QPushButton*>("cmdSave")->click();
    shownOrganization = organization->text();
    w->findChild<QPushButton*>("cmdCancel")->click();
  });
  app.dialogs.answer(ui::Answer::Ok);  // the refusal
  lobby.findChild<ui::PellamButton*>("cmdEditName")->click();

  const auto box = app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "Changed by Another User");
  EXPECT_TRUE(box.text.startsWith("This person was changed by Bea Other on 12/08/2026 at "))
      << box.text.toStdString();
  EXPECT_EQ(shownOrganization, "Stores");
  EXPECT_EQ(format::trim(recordsB.person(1).Organization), "Stores");

  // A person desk A adds is on the server, with its line in the server's change log.
  app.dialogs.onModal("frmAddEditName", [&](QWidget* w) {
    QTest::keyClicks(w->findChild<QLineEdit*>("txtField1"), "Cy");
    QTest::keyClicks(w->findChild<QLineEdit*>("txtField3"), "Diaz");
    w->findChild<QPushButton*>("cmdSave")->click();
  });
  lobby.findChild<ui::PellamButton*>("cmdAddName")->click();
  EXPECT_EQ(grid->rows(), 3);
  EXPECT_EQ(recordsB.persons().size(), 3u);
  server::Connection c = connect();
  EXPECT_EQ(count(c, "change_log"), 4);  // two additions by B, B's save, A's addition
}

// The title window's command: a server that serves is remembered and the program started again on
// it; one that does not is told, and nothing changes.
TEST_F(ServerWindows, TheTitleWindowConnectsToAServerThatServesAndTellsOfOneThatDoesNot) {
  QStringList restartedOn;
  app.state.restartOn = [&](const QString& conninfo) { restartedOn << conninfo; };
  const QString good = QString::fromStdString(cluster.conninfo(database, ServerCluster::kProgram));
  const QString bad =
      QString::fromStdString(cluster.conninfo("no_such_database", ServerCluster::kProgram));
  for (const QString& conninfo : {bad, good}) {
    auto* title = new access::frmTitlePage(app.state);
    title->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(title));
    auto* button = title->findChild<ui::PellamButton*>("cmdServer");
    ASSERT_EQ(button->caption(), "Connect to a &Server...");
    app.dialogs.answerInput(conninfo);
    if (conninfo == bad) app.dialogs.answer(ui::Answer::Ok);
    QTest::mouseClick(button, Qt::LeftButton);
    title->close();
  }
  EXPECT_EQ(restartedOn, QStringList{good});
  EXPECT_TRUE(app.dialogs.shown()[1].text.contains("no_such_database"))
      << app.dialogs.shown()[1].text.toStdString();
  EXPECT_EQ(access::rememberedServer(app.settings), good);

  // On a server the same corner goes back to the data folder.
  app.state.Server = "db1:5432";
  auto* title = new access::frmTitlePage(app.state);
  title->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(title));
  QTest::mouseClick(title->findChild<ui::PellamButton*>("cmdServer"), Qt::LeftButton);
  EXPECT_EQ(restartedOn, (QStringList{good, QString()}));
  EXPECT_EQ(access::rememberedServer(app.settings), "");
  title->close();
}

// Clicks a data row of a grid as the user does.
void clickRow(ui::Grid* grid, int row) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                    grid->visualRect(grid->model()->index(row - 1, 0)).center());
}

TEST_F(ServerWindows, AnotherDesksChangesShowInTheListWithTheHighlightAndTopRowKept) {
  for (int i = 10; i < 50; ++i) recordsB.addPerson(bea, person("P" + std::to_string(i), "Lee", i));
  app::frmLobby lobby(state);
  lobby.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return lobby.windowActivated(); }, 3000));
  auto* grid = lobby.findChild<ui::Grid*>("gridName");
  ASSERT_EQ(grid->rows(), 40);
  grid->scrollTo(grid->model()->index(10, 0), QAbstractItemView::PositionAtTop);
  clickRow(grid, 15);
  ASSERT_EQ(grid->text(grid->currentRow(), 0), "P24 Lee");
  ASSERT_EQ(grid->topRow(), 11);

  // Desk B adds a person listed first and moves another to a new organization.
  recordsB.addPerson(bea, person("Al", "Aaron", 60));
  recordsB.persons();
  store::NameRecord moved = recordsB.person(20);
  moved.Organization = "Stores";
  recordsB.savePerson(bea, 20, moved);

  ASSERT_TRUE(QTest::qWaitFor([&] { return grid->rows() == 41; }, 2000));
  EXPECT_EQ(grid->text(1, 0), "Al Aaron");
  EXPECT_EQ(grid->text(21, 1), "Stores");
  EXPECT_EQ(grid->currentRow(), 16);
  EXPECT_EQ(grid->text(16, 0), "P24 Lee");
  EXPECT_EQ(grid->topRow(), 11);
  EXPECT_TRUE(grid->hasFocus());
  EXPECT_EQ(app.dialogs.messages().size(), 0u);
}

TEST_F(ServerWindows, AnotherDesksNewUserShowsInTheAdminWindowWithTheHighlightKept) {
  for (const char* last : {"Berg", "Cole"}) recordsB.addUser(bea, {1, "Kim", last, "", 1, ""});
  auto* admin = new access::frmAdmin(state);
  admin->show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return admin->activated(); }, 3000));
  auto* grid = admin->findChild<ui::Grid*>("grid");
  clickRow(grid, 2);
  ASSERT_EQ(grid->text(2, 0), "Kim Cole");

  recordsB.addUser(bea, {2, "Kim", "Abel", "", 1, ""});
  ASSERT_TRUE(QTest::qWaitFor([&] { return grid->rows() == 3; }, 2000));
  EXPECT_EQ(grid->text(grid->currentRow(), 0), "Kim Cole");
  delete admin;
}

// The history another desk credits a course into lists it in place; when that desk removes the
// person's last records, the history says so and closes.
TEST_F(ServerWindows, AnotherDesksTrainingShowsInTheOpenHistoryUntilItHasNone) {
  recordsB.addPerson(bea, person("Ann", "Lee"));
  recordsB.addCourse(bea, {200, "FA", "First Aid", "", 8, ""});
  recordsB.addCourse(bea, {201, "WH", "Heights", "", 4, ""});
  recordsB.courses();
  const double ann = recordsB.persons().front().DateCreated;
  recordsB.credit(bea, {.courseRecNum = 1, .personRecNums = {1}, .trainingDate = 45000});
  bool closed = false;
  app.dialogs.onModal("frmTrainingHistory", [&](QWidget* w) {
    auto* grid = w->findChild<ui::Grid*>("gridTraining");
    ASSERT_EQ(grid->rows(), 1);
    recordsB.credit(bea, {.courseRecNum = 2, .personRecNums = {1}, .trainingDate = 44000});
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->rows() == 2; }, 2000));
    EXPECT_EQ(grid->text(1, 1), "WH");  // oldest first
    EXPECT_EQ(grid->currentRow(), 1);
    for (const records::NumberedTraining& t : recordsB.trainingOf(ann, {}))
      recordsB.removeTraining(bea, t.n, "Ann Lee", {});
    closed = QTest::qWaitFor([&] { return !w->isVisible(); }, 2000);
  });
  app.dialogs.answer(ui::Answer::Ok);
  ui::openModal(state, nullptr,
                new training::frmTrainingHistory(state, {ann, 1, "Ann Lee", "", ""}));
  EXPECT_TRUE(closed);
  EXPECT_EQ(app.dialogs.messages().back().title, "No records on file...");
}

// The renewal periods follow another desk's, keeping the highlight, but not over a period typed
// here and not yet saved.
TEST_F(ServerWindows, AnotherDesksRenewalPeriodsShowUnlessAPeriodWaitsToBeSaved) {
  recordsB.addCourse(bea, {200, "FA", "First Aid", "", 8, ""});
  recordsB.addCourse(bea, {201, "WH", "Heights", "", 4, ""});
  const std::vector<store::CourseRecord> courses = recordsB.courses();
  const auto period = [&](std::size_t course, int months) {
    recordsB.savePeriodChanges(
        bea, std::vector<records::PeriodChange>{
                 {courses[course].DateCreated, months, courses[course].CourseCode, "name"}});
  };
  app.dialogs.onModal("frmRenewalPeriods", [&](QWidget* w) {
    auto* grid = w->findChild<ui::Grid*>("gridPeriods");
    auto* months = w->findChild<QLineEdit*>("txtMonths");
    clickRow(grid, 2);
    period(0, 24);
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->text(1, 2) == "24"; }, 2000));
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_EQ(months->text(), "");

    QTest::keyClicks(months, "6");
    period(1, 36);
    // Once the server told this desk, the watch's next look must leave the typed period alone.
    ASSERT_TRUE(deskA.waitForNotifications(std::chrono::seconds(2)));
    QSignalSpy look(w->findChild<QTimer*>("timerElsewhere"), &QTimer::timeout);
    ASSERT_TRUE(look.wait(2000));
    EXPECT_EQ(months->text(), "6");
    EXPECT_EQ(grid->text(2, 2), "6");
  });
  ui::openModal(state, nullptr, new renewals::frmRenewalPeriods(state));
}

}  // namespace
}  // namespace vm::test
