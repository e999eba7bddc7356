// SPDX-License-Identifier: GPL-3.0-or-later
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <functional>

#include "app/demo_seed.h"
#include "app/frm_lobby.h"
#include "backup/server_copy.h"
#include "renewals/renewal_notice.h"
#include "server/server_test.h"
#include "support/test_app.h"
#include "ui/button/pellam_button.h"

namespace vm::test {
namespace {

using ui::Answer;

const std::string kFiles[] = {"User.List",        "User.Log",       "Name.List", "Course.Index",
                              "Training.Records", "Course.Renewal", "Change.Log"};

QString q(const std::string& s) { return QString::fromStdString(s); }

struct ServerCopyFlows : ServerTest {
  TestApp app;
  TempFolder out;
  QWidget window;

  void seed() {
    ASSERT_TRUE(app::seedDemonstrationData(app.files, app.clock));
    app.folder.write("User.Log", "12/08/2026 at 09:00:00 - Dana Demo logged in.\r\n");
  }
  std::int64_t trainingOnServer() {
    server::Connection c = connect();
    return count(c, "training");
  }
};

// The way a user goes, through the main window's menu: the folder into an empty database (whose
// tables the copy makes), then the database into a new folder, which holds the same bytes.
TEST_F(ServerCopyFlows, AFolderCopiedToTheServerAndBackThroughTheMenuIsTheSameByteForByte) {
  seed();
  const std::string empty = cluster.emptyDatabase();
  const std::string conninfo = cluster.conninfo(empty, ServerCluster::kOwner);
  app.logIn(4);
  // The renewals due are not told at this log-in.
  app.settings.setValue(renewals::noticeSettingKey(app.state.CurrentUserName), "NoShow");
  app::frmLobby lobby(app.state);
  lobby.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return lobby.windowActivated(); }, 3000));
  auto* button = lobby.findChild<ui::PellamButton*>("cmdBackupRestore");
  // The titles the window shows while the records are copied.
  QStringList titles;
  struct TitleWatch : QObject {
    QWidget* window;
    QStringList& titles;
    TitleWatch(QWidget* w, QStringList& t) : window(w), titles(t) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::WindowTitleChange) titles << window->windowTitle();
      return false;
    }
  } watch(&lobby, titles);

  app.dialogs.chooseMenuItem("Copy this Data Folder to a Server...");
  app.dialogs.answerInput(q("password='not kept' " + conninfo));
  app.dialogs.answer(Answer::Ok);  // the confirmation
  app.dialogs.answer(Answer::Ok);  // copied
  QTest::mouseClick(button, Qt::LeftButton);
  const auto shown = app.dialogs.shown();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[1].title, "Copy this Data Folder to a Server");
  EXPECT_EQ(shown[1].defaultAnswer, "");
  const QString where = "database '" + q(empty) + "'\non the server '" + q(cluster.folder()) + ":" +
                        QString::number(cluster.port()) + "'";
  EXPECT_EQ(shown[2].text,
            "Every record of this data folder, with its change log and its user "
            "log,\nis about to be copied into the " +
                where + ".\n\nPlease click <OK> to continue.");
  const QString copied = app.dialogs.lastMessage().text;
  EXPECT_TRUE(copied.startsWith("This data folder has been copied into the\n" + where + ":\n\n"))
      << copied.toStdString();
  EXPECT_TRUE(copied.contains("\n1 line of the user log")) << copied.toStdString();
  EXPECT_EQ(titles.front(), "Copying to the server: 0%");
  EXPECT_TRUE(titles.contains("Copying to the server: 100%"));
  EXPECT_EQ(lobby.windowTitle(), "Verdimark");
  // Remembered on this computer without its password.
  const QString kept = app.settings.value("ServerConnection");
  EXPECT_FALSE(kept.contains("password")) << kept.toStdString();
  EXPECT_TRUE(kept.contains("dbname=" + q(empty))) << kept.toStdString();

  app.dialogs.clear();
  app.dialogs.chooseMenuItem("Copy the Server to a Data Folder...");
  app.dialogs.answerInput(kept);
  app.dialogs.answerFolder(q(out.str() + "/copy"));
  app.dialogs.answer(Answer::Ok);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(app.dialogs.shown()[1].defaultAnswer, kept);
  EXPECT_TRUE(app.dialogs.lastMessage().text.startsWith(
      "The " + where + "\nhas been copied into the folder\n'" + q(out.str()) + "/copy':\n\n"));
  EXPECT_TRUE(titles.contains("Copying from the server: 100%"));
  EXPECT_EQ(lobby.windowTitle(), "Verdimark");
  for (const std::string& name : kFiles)
    EXPECT_EQ(out.read("copy/" + name), app.folder.read(name)) << name;
  EXPECT_TRUE(lobby.isEnabled());
}

// Every way a copy is refused or fails: its own message, and nothing changed on either side.
TEST_F(ServerCopyFlows, ACopyThatCannotBeMadeSaysWhyAndChangesNothing) {
  seed();
  const std::string mine = cluster.conninfo(database);
  struct Case {
    const char* name;
    bool toServer;
    std::string conninfo;
    std::vector<Answer> answers;
    QString says;
    std::function<void(ServerCopyFlows&)> prepare = {};
    bool esc = false;  // pressed as the copy begins
  };
  const std::string held = cluster.freshDatabase();
  const Case cases[] = {
      {"no server answers",
       true,
       "host=" + cluster.folder() + "/gone dbname=x",
       {Answer::Ok},
       "cannot be reached"},
      {"no such database", true, cluster.conninfo("missing"), {Answer::Ok}, "has no such database"},
      {"log-in refused",
       false,
       cluster.conninfo(database, ServerCluster::kLocked),
       {Answer::Ok},
       "refused the log-in"},
      {"the confirmation cancelled", true, mine, {Answer::Cancel}, {}},
      {"a database that holds records",
       true,
       cluster.conninfo(held),
       {Answer::Ok, Answer::Ok},
       "already holds records",
       [&](ServerCopyFlows& t) {
         t.cluster.superuserSql(held, "INSERT INTO user_log (line) VALUES ('x')");
       }},
      {"Esc while copying in",
       true,
       mine,
       {Answer::Ok, Answer::Ok},
       "The copy was stopped with Esc.\nNothing was copied.",
       {},
       true},
      {"Esc while copying out",
       false,
       mine,
       {Answer::Ok},
       "The copy was stopped with Esc.\nNo folder was written.",
       {},
       true},
      {"a folder that holds a file",
       false,
       mine,
       {Answer::Ok},
       "is not empty",
       [](ServerCopyFlows& t) { t.out.write("copy/kept", "kept"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.prepare) c.prepare(*this);
    std::filesystem::create_directories(out / "copy");
    app.dialogs.clear();
    app.dialogs.answerInput(q(c.conninfo));
    if (!c.toServer) app.dialogs.answerFolder(q(out.str() + "/copy"));
    for (const Answer a : c.answers) app.dialogs.answer(a);
    if (c.esc)
      QCoreApplication::postEvent(qApp, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
    if (c.toServer)
      backup::CopyFolderToServer(app.state, &window);
    else
      backup::CopyServerToFolder(app.state, &window);
    if (!c.says.isEmpty()) {
      const auto box = app.dialogs.lastMessage();
      EXPECT_EQ(box.icon, c.esc ? ui::MessageIcon::Information : ui::MessageIcon::Exclamation);
      EXPECT_TRUE(box.text.contains(c.says)) << box.text.toStdString();
    }
    EXPECT_EQ(trainingOnServer(), 0);
    EXPECT_FALSE(out.has("copy/User.List"));
    EXPECT_TRUE(window.isEnabled());
  }
  // A copy that only reads a folder another copy holds does not offer it to a server.
  app.dialogs.clear();
  app.state.ReadOnly = true;
  backup::CopyFolderToServer(app.state, &window);
  EXPECT_TRUE(app.dialogs.shown().empty());
}

// A disk that fails at any call, while the folder is read for the server or the copy is written
// out: the copy ends with its message, the server holds nothing of it, and no folder is left; or,
// where the failing call loses nothing (closing a file only read), the copy is whole.
TEST_F(ServerCopyFlows, AFailingDiskEndsEitherCopyWithItsMessageAndLeavesNothingHalfDone) {
  seed();
  std::string filled;
  const std::string target = out.str() + "/copy";
  for (const bool toServer : {true, false}) {
    for (int k = 1;; ++k) {
      SCOPED_TRACE((toServer ? "in, call " : "out, call ") + std::to_string(k));
      const std::string db = toServer ? cluster.freshDatabase() : filled;
      app.dialogs.clear();
      app.dialogs.answerInput(q(cluster.conninfo(db)));
      if (toServer)
        app.dialogs.answer(Answer::Ok);  // the confirmation
      else
        app.dialogs.answerFolder(q(target));
      app.dialogs.answer(Answer::Ok);
      app.fileSystem.failCall(k);
      if (toServer)
        backup::CopyFolderToServer(app.state, &window);
      else
        backup::CopyServerToFolder(app.state, &window);
      const bool met = app.fileSystem.faultReached();
      app.fileSystem.clearFaults();
      const auto box = app.dialogs.lastMessage();
      server::Connection c(cluster.conninfo(db));
      if (box.icon == ui::MessageIcon::Information) {
        EXPECT_EQ(count(c, "training"), 438);
        if (!toServer) {
          EXPECT_EQ(out.read("copy/Training.Records"), app.folder.read("Training.Records"));
          std::filesystem::remove_all(target);
        }
        filled = db;
        if (!met) break;
        continue;
      }
      EXPECT_EQ(box.icon, ui::MessageIcon::Exclamation);
      EXPECT_TRUE(box.text.endsWith(toServer ? "Nothing was copied." : "No folder was written."))
          << box.text.toStdString();
      EXPECT_EQ(count(c, "training"), toServer ? 0 : 438);
      EXPECT_TRUE(std::filesystem::is_empty(out.path()));
      if (!met) break;
    }
  }
}

}  // namespace
}  // namespace vm::test
