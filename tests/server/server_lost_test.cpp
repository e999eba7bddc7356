// SPDX-License-Identifier: GPL-3.0-or-later
// The windows when the server fails under them: a lost connection is told, naming the server and
// whether the change was saved, with the offer to connect again, after which the windows go on and
// list what other desks did meanwhile; any other fault is told and changes nothing.
#include <QLineEdit>
#include <QTest>

#include "access/user_log.h"
#include "app/frm_lobby.h"
#include "app/server_faults.h"
#include "renewals/renewal_notice.h"
#include "server/server_records.h"
#include "server/server_test.h"
#include "support/test_app.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"
#include "ui/guarded_application.h"

namespace vm::test {
namespace {

struct ServerLost : ServerTest {
  TestApp app;
  server::Connection desk{cluster.conninfo(database), std::chrono::seconds(2)};
  server::ServerRecords records{desk};
  ui::AppState state{app.files, records, app.settings, app.dialogs, app.clock};
  ui::GuardedApplication& guarded =
      *static_cast<ui::GuardedApplication*>(QCoreApplication::instance());
  int exits = 0;

  ServerLost() {
    state.Server = QString::fromStdString(desk.server());
    state.CurrentUserName = "Dana Demo";
    state.CurrentAccessLevel = 4;
    app.settings.setValue(renewals::noticeSettingKey(state.CurrentUserName), "NoShow");
    guarded.setRecoveryHandler(app::serverFaultHandler(state, records, [this] { ++exits; }));
  }
  ~ServerLost() override {
    guarded.setRecoveryHandler({});
    cluster.start();
  }

  // Another desk's additions, on a connection of its own.
  void addElsewhere(const std::string& first) {
    server::Connection other = connect();
    server::ServerRecords(other).addPerson(
        kDesk2, {++created, first, "", "Lee", "", "", "", store::kActive});
  }
  void addCourseElsewhere() {
    server::Connection other = connect();
    server::ServerRecords(other).addCourse(kDesk2, {++created, "FIRE", "Fire Safety", "", 2, ""});
  }
  double created = 0;
  std::int64_t onServer(const std::string& table) {
    server::Connection c = connect();
    return count(c, table);
  }
};

TEST_F(ServerLost, ASaveMetByAStoppedServerIsToldAndMadeAfterConnectingAgain) {
  addElsewhere("Ann");
  app::frmLobby lobby(state);
  lobby.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return lobby.windowActivated(); }, 3000));
  auto* grid = lobby.findChild<ui::Grid*>("gridName");
  ASSERT_EQ(grid->rows(), 1);

  std::vector<ScriptedDialogs::Shown> told;
  app.dialogs.onModal("frmAddEditName", [&](QWidget* w) {
    QTest::keyClicks(w->findChild<QLineEdit*>("txtField1"), "Cy");
    QTest::keyClicks(w->findChild<QLineEdit*>("txtField3"), "Diaz");
    auto* save = w->findChild<ui::PellamButton*>("cmdSave");
    // The server stops: Retry finds it still down and says so; Cancel closes the program.
    cluster.stop();
    app.dialogs.answer(ui::Answer::Retry);
    app.dialogs.answer(ui::Answer::Cancel);
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(w->isVisible());
    // Meanwhile the server is back and another desk adds a person this desk is not told of.
    cluster.start();
    EXPECT_EQ(onServer("persons"), 1);  // nothing of the failed save
    addElsewhere("Bo");
    addCourseElsewhere();
    app.dialogs.answer(ui::Answer::Retry);
    QTest::mouseClick(save, Qt::LeftButton);
    told = app.dialogs.messages();
    EXPECT_EQ(onServer("persons"), 2);  // the save met by the loss is dropped, not made
    QTest::mouseClick(save, Qt::LeftButton);
  });
  lobby.findChild<ui::PellamButton*>("cmdAddName")->click();

  const std::string server = "\"" + desk.server() + "\"";
  ASSERT_EQ(told.size(), 3u);
  for (const auto& box : told) {
    EXPECT_EQ(box.title, "Connection Lost");
    EXPECT_EQ(box.buttons, ui::MessageButtons::RetryCancel);
    EXPECT_TRUE(box.text.contains(QString::fromStdString(server))) << box.text.toStdString();
    EXPECT_TRUE(
        box.text.endsWith("Choose Retry to connect to the server again, or Cancel to "
                          "close Verdimark."));
  }
  EXPECT_TRUE(told[0].text.contains("The change under way was not saved."));
  EXPECT_TRUE(told[1].text.contains("cannot be reached")) << told[1].text.toStdString();
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(onServer("persons"), 3);
  EXPECT_EQ(onServer("change_log"), 4);  // one line for each addition, none for the lost save
  // The lists show what other desks did while this desk was not listening, and what they do now.
  lobby.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&lobby));
  auto* courses = lobby.findChild<ui::Grid*>("gridCourse");
  EXPECT_TRUE(QTest::qWaitFor([&] { return courses->rows() == 1; }, 3000));
  ASSERT_EQ(grid->rows(), 3);
  QStringList listed;
  for (int row = 1; row <= 3; ++row) listed << grid->text(row, 0);
  EXPECT_EQ(listed, (QStringList{"Cy Diaz", "Ann Lee", "Bo Lee"}));
  addElsewhere("Al");
  EXPECT_TRUE(QTest::qWaitFor([&] { return grid->rows() == 4; }, 3000));
}

// A fault that leaves the connection standing changed nothing: it is told and the editor goes on.
TEST_F(ServerLost, AnyOtherFaultOfASaveIsToldAndTheWindowGoesOn) {
  const struct {
    const char* state;
    const char* says;
  } cases[] = {
      {"53100", "has no room left on its disk.\nNothing was changed."},
      {"42501", "does not allow this to the user of the connection."},
      {"22001", "refused a value.\nNothing was changed."},
  };
  addElsewhere("Ann");
  app::frmLobby lobby(state);
  lobby.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return lobby.windowActivated(); }, 3000));
  for (const auto& c : cases) {
    cluster.superuserSql(database,
                         "CREATE OR REPLACE FUNCTION refuse() RETURNS trigger "
                         "LANGUAGE plpgsql AS $$ BEGIN RAISE EXCEPTION 'no' USING "
                         "ERRCODE = '" +
                             std::string(c.state) +
                             "'; END $$; "
                             "CREATE OR REPLACE TRIGGER refuse BEFORE INSERT ON persons "
                             "FOR EACH ROW EXECUTE FUNCTION refuse()");
    app.dialogs.clear();
    bool open = false;
    app.dialogs.onModal("frmAddEditName", [&](QWidget* w) {
      QTest::keyClicks(w->findChild<QLineEdit*>("txtField1"), "Cy");
      app.dialogs.answer(ui::Answer::Ok);
      QTest::mouseClick(w->findChild<ui::PellamButton*>("cmdSave"), Qt::LeftButton);
      open = w->isVisible();
    });
    lobby.findChild<ui::PellamButton*>("cmdAddName")->click();
    EXPECT_TRUE(open) << c.state;
    const auto box = app.dialogs.lastMessage();
    EXPECT_EQ(box.title, "Server Error") << c.state;
    EXPECT_TRUE(box.text.contains(QString::fromStdString(desk.server()))) << c.state;
    EXPECT_TRUE(box.text.contains(c.says)) << box.text.toStdString();
    EXPECT_EQ(onServer("persons"), 1) << c.state;
    EXPECT_EQ(onServer("change_log"), 1) << c.state;
  }
  EXPECT_EQ(exits, 0);
}

// The log-in line that a server cannot take gets the box a folder's gets; the log-in goes on.
TEST_F(ServerLost, AUserLogLineTheServerCannotTakeIsToldAndTheLogInGoesOn) {
  cluster.superuserSql(database, R"(
    CREATE FUNCTION disk_full() RETURNS trigger LANGUAGE plpgsql AS $$
    BEGIN RAISE EXCEPTION 'could not extend file' USING ERRCODE = '53100'; END $$;
    CREATE TRIGGER disk_full BEFORE INSERT ON user_log FOR EACH ROW EXECUTE FUNCTION disk_full();)");
  app.dialogs.answer(ui::Answer::Ok);
  EXPECT_FALSE(access::WriteUserLog(state, access::UserLogKind::LogIn));
  const auto box = app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "User Log Not Written");
  EXPECT_TRUE(box.text.contains("no room left on its disk")) << box.text.toStdString();
  EXPECT_TRUE(box.text.endsWith("This log-in goes on without being recorded."));
  EXPECT_EQ(onServer("user_log"), 0);
}

}  // namespace
}  // namespace vm::test
