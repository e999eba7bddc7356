// SPDX-License-Identifier: GPL-3.0-or-later
// Esc on a server stops long work part-way, as it does on a data folder: a course carried into
// many training records is cancelled on the server while its statement runs, and nothing changed.
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include "courses/course_propagation_offer.h"
#include "server/server_records.h"
#include "server/server_test.h"
#include "support/test_app.h"
#include "ui/app_state.h"

namespace vm::test {
namespace {

struct ServerEsc : ServerTest {
  TestApp app;
  server::Connection desk = connect();
  server::ServerRecords records{desk};
  ui::AppState state{app.files, records, app.settings, app.dialogs, app.clock};

  ServerEsc() {
    state.Server = "db1:5432";
    state.CurrentUserName = "Dana Demo";
    state.CurrentAccessLevel = 4;
  }
};

TEST_F(ServerEsc, EscWhileACourseIsCarriedCancelsItOnTheServerAndChangesNothing) {
  store::NameRecord ann;
  ann.FirstName = "Ann";
  ann.LastName = "Lee";
  records.addPerson(kDesk1, ann);
  records.addCourse(kDesk1, {200, "FA", "First Aid", "", 8, ""});
  records.persons();
  records.credit(kDesk1, {.courseRecNum = 1, .personRecNums = {1}, .trainingDate = 45000});
  store::CourseRecord renamed = records.course(1);
  renamed.CourseName = "First Aid and AED";
  records.saveCourse(kDesk1, 1, renamed);
  // The carry's statement runs long enough for Esc to come while it does.
  cluster.superuserSql(database, R"(
    CREATE FUNCTION slow_carry() RETURNS trigger LANGUAGE plpgsql AS $$
    BEGIN PERFORM pg_sleep(60); RETURN NULL; END $$;
    CREATE TRIGGER slow_carry BEFORE UPDATE ON training FOR EACH STATEMENT
      EXECUTE FUNCTION slow_carry();)");
  const std::int64_t lines = count(desk, "change_log");

  QWidget editor;
  editor.setWindowTitle("Edit Course");
  editor.show();
  app.dialogs.answer(ui::Answer::Yes);
  QTimer::singleShot(300, [] {
    QCoreApplication::postEvent(qApp, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
  });
  const auto start = std::chrono::steady_clock::now();
  courses::offerPropagation(state, &editor, 1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));

  EXPECT_EQ(app.dialogs.messages().size(), 1u);  // the question, nothing told afterwards
  EXPECT_EQ(editor.windowTitle(), "Edit Course");
  EXPECT_FALSE(desk.inTransaction());
  EXPECT_EQ(
      desk.exec("SELECT count(*) FROM training WHERE course_name = 'First Aid'").getInt64(0, 0), 1);
  EXPECT_EQ(count(desk, "change_log"), lines);
}

}  // namespace
}  // namespace vm::test
