// SPDX-License-Identifier: GPL-3.0-or-later
// Backing up and restoring the records of a server: the backup folder is what a data folder's
// backup of the same records is, a restore puts a backup's records on the server whole or not at
// all, and the backup menu offers both on a server with a data folder's words.
#include <QAction>
#include <QTest>
#include <filesystem>
#include <map>

#include "app/demo_seed.h"
#include "app/frm_lobby.h"
#include "renewals/renewal_notice.h"
#include "server/change_lines.h"
#include "server/folder_transfer.h"
#include "server/server_records.h"
#include "server/server_test.h"
#include "store/posix_file_system.h"
#include "store/work_stopped.h"
#include "support/test_app.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"

namespace vm::test {
namespace {

namespace fsys = std::filesystem;
using Files = std::map<std::string, std::string>;

const std::string kFiles[] = {"User.List",        "User.Log",       "Name.List", "Course.Index",
                              "Training.Records", "Course.Renewal", "Change.Log"};
const std::string kRecordFiles[] = {"User.List", "Name.List", "Course.Index", "Training.Records",
                                    "Course.Renewal"};

QString q(const std::string& s) { return QString::fromStdString(s); }

// The snapshots a server backup leaves in the system's temporary folder: none once it ends.
int snapshotsLeft() {
  int n = 0;
  for (const auto& entry : fsys::directory_iterator(fsys::temp_directory_path()))
    n += entry.path().filename().string().starts_with("verdimark-backup-");
  return n;
}

struct ServerBackups : ServerTest {
  TestApp app;  // the data folder the server's records come from
  TempFolder out;
  server::Connection desk = connect();
  server::ServerRecords onServer{desk};
  store::PosixFileSystem disk;
  int copies = 0;

  // The demonstration data in the folder, copied to the server.
  void seedBoth() {
    ASSERT_TRUE(app::seedDemonstrationData(app.files, app.clock));
    app.folder.write("User.Log", "12/08/2026 at 09:00:00 - Dana Demo logged in.\r\n");
    server::copyFolderToServer(desk, app.files);
  }
  std::string folder(const std::string& name) const {
    fsys::create_directories(out / name);
    return (out / name).string();
  }
  Files filesIn(const std::string& name) const {
    Files files;
    for (const std::string& file : kFiles)
      files[file] = out.has(name + "/" + file) ? out.read(name + "/" + file) : "(none)";
    return files;
  }
  // The server as a data folder.
  Files serverFiles() {
    const std::string name = "server" + std::to_string(++copies);
    server::copyServerToFolder(desk, disk, (out / name).string());
    return filesIn(name);
  }
  std::string changeLog() { return server::logBytes(desk, server::kChangeLogTable); }
};

TEST_F(ServerBackups, AServerBackupIsTheDataFolderBackupOfTheSameRecords) {
  seedBoth();
  const int snapshots = snapshotsLeft();
  const std::string target = folder("backup");
  ASSERT_EQ(app.records.backUpInto(target, kDesk1, {}), std::nullopt);
  fsys::rename(target, out / "of the folder");
  folder("backup");
  const std::string before = changeLog();
  std::vector<std::string> told;
  ASSERT_EQ(onServer.backUpInto(target, kDesk1, [&](std::string_view f) { told.emplace_back(f); }),
            std::nullopt);
  EXPECT_EQ(filesIn("backup"), filesIn("of the folder"));
  EXPECT_EQ(told.front(), "User.List");
  EXPECT_EQ(told.back(), "Change.Log");
  // The backup's own line, its log's last, is the server's last too, after the copy.
  const std::string after = changeLog();
  ASSERT_EQ(after.substr(0, before.size()), before);
  const std::string line = after.substr(before.size());
  EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
  EXPECT_TRUE(line.find("data backed up") != std::string::npos) << line;
  EXPECT_TRUE(out.read("backup/Change.Log").ends_with(line));
  EXPECT_EQ(snapshotsLeft(), snapshots);
}

TEST_F(ServerBackups, ARestorePutsTheBackupsRecordsOnTheServerAndRefusesSavesOfTheOldOnes) {
  ASSERT_TRUE(app::seedDemonstrationData(app.files, app.clock));
  const std::string backup = folder("backup");
  ASSERT_EQ(app.records.backUpInto(backup, kDesk1, {}), std::nullopt);
  // Another desk's records on the server, listed there, and its logs.
  server::Connection other = connect();
  server::ServerRecords deskB{other};
  store::NameRecord stranger;
  stranger.FirstName = "Sam";
  stranger.LastName = "Stranger";
  ASSERT_TRUE(deskB.addPerson(kDesk2, stranger));
  deskB.appendUserLog("12/08/2026 at 10:31:00 - Kim Ng logged in.");
  const store::NameRecord listed = deskB.persons().at(0);
  const Files before = serverFiles();
  deskB.changedElsewhere(records::kEveryList);

  ASSERT_EQ(onServer.restoreFrom(backup, kDesk1, {}), std::nullopt);
  const Files after = serverFiles();
  for (const std::string& file : kRecordFiles)
    EXPECT_EQ(after.at(file), out.read("backup/" + file)) << file;
  EXPECT_EQ(after.at("User.Log"), before.at("User.Log"));
  const std::string& log = after.at("Change.Log");
  ASSERT_EQ(log.substr(0, before.at("Change.Log").size()), before.at("Change.Log"));
  const std::string line = log.substr(before.at("Change.Log").size());
  EXPECT_TRUE(line.find("data restored") != std::string::npos) << line;
  EXPECT_TRUE(line.find(backup) != std::string::npos) << line;
  EXPECT_TRUE(line.find("Backed up:") != std::string::npos) << line;
  EXPECT_EQ(line.find("User.Log"), std::string::npos) << line;

  // The other desk is told every list changed, and its save of what it listed is refused.
  records::ChangedLists told;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        other.waitForNotifications(std::chrono::milliseconds(100));
        told.add(deskB.changedElsewhere(records::kEveryList));
        return told == records::kEveryList;
      },
      5000));
  EXPECT_THROW(deskB.savePerson(kDesk2, 1, listed), records::ChangeRefused);
  EXPECT_EQ(serverFiles().at("Name.List"), out.read("backup/Name.List"));
}

// Every way a restore or a backup cannot be whole: the file it names, or Esc, and the server as it
// was; a backup's folder holds nothing of it and no snapshot is left.
TEST_F(ServerBackups, WhatCannotBeWholeLeavesTheServerAsItWas) {
  seedBoth();
  const std::string backup = folder("backup");
  ASSERT_EQ(app.records.backUpInto(backup, kDesk1, {}), std::nullopt);
  ASSERT_TRUE(onServer.addPerson(kDesk2, store::NameRecord{}));  // the server differs from it
  const Files before = serverFiles();
  const int snapshots = snapshotsLeft();
  struct Case {
    const char* name;
    bool restore;
    std::function<void()> spoil;
    std::optional<std::string> failed;
    std::string_view escAt = {};
  };
  const std::string intact = folder("intact");
  fsys::copy(backup, intact,
             fsys::copy_options::recursive | fsys::copy_options::overwrite_existing);
  const auto spoil = [&](const std::string& file, const std::string& bytes) {
    return [&, file, bytes] { out.write("backup/" + file, bytes); };
  };
  const Case cases[] = {
      {"a person file cut short", true, spoil("Name.List", out.read("backup/Name.List").substr(1)),
       "Name.List"},
      {"a renewal file cut short", true, spoil("Course.Renewal", std::string(31, '\0')),
       "Course.Renewal"},
      {"no course file", true, [&] { fsys::remove(out / "backup/Course.Index"); }, "Course.Index"},
      {"Esc at the training records", true, {}, std::nullopt, "Training.Records"},
      {"Esc as the backup begins", false, {}, std::nullopt, "User.List"},
      {"Esc at the change log", false, {}, std::nullopt, "Change.Log"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fsys::copy(intact, backup,
               fsys::copy_options::recursive | fsys::copy_options::overwrite_existing);
    if (c.spoil) c.spoil();
    const std::string target = folder(std::string("target of ") + c.name);
    const store::FileStarted started = [&](std::string_view file) {
      if (file == c.escAt) throw store::WorkStopped();
    };
    if (c.escAt.empty()) {
      EXPECT_EQ(onServer.restoreFrom(backup, kDesk1, started), c.failed);
    } else {
      EXPECT_THROW(c.restore ? onServer.restoreFrom(backup, kDesk1, started)
                             : onServer.backUpInto(target, kDesk1, started),
                   store::WorkStopped);
    }
    EXPECT_EQ(serverFiles(), before);
    EXPECT_TRUE(fsys::is_empty(target));
    EXPECT_EQ(snapshotsLeft(), snapshots);
  }
}

// Esc is heard while the server keeps a restore waiting (here on another desk's hold of the
// training records), not only between files; the server stays as it was.
TEST_F(ServerBackups, EscStopsARestoreTheServerKeepsWaiting) {
  seedBoth();
  const std::string backup = folder("backup");
  ASSERT_EQ(app.records.backUpInto(backup, kDesk1, {}), std::nullopt);
  const Files before = serverFiles();
  server::Connection other = connect();
  other.run("BEGIN; LOCK TABLE training IN SHARE MODE");
  EXPECT_THROW(
      onServer.restoreFrom(backup, kDesk1, [](std::string_view) { throw store::WorkStopped(); }),
      store::WorkStopped);
  other.run("ROLLBACK");
  EXPECT_EQ(serverFiles(), before);
}

// The way a user goes on a server: the backup and the restore through the main window's menu,
// with the boxes a data folder's backup and restore show.
TEST_F(ServerBackups, TheMenuBacksUpAndRestoresTheServerAsItDoesAFolder) {
  seedBoth();
  ui::AppState state{app.files, onServer, app.settings, app.dialogs, app.clock};
  state.Server = "db1:5432";
  state.CurrentUserName = "Dana Demo";
  state.CurrentAccessLevel = 4;
  app.settings.setValue(renewals::noticeSettingKey(state.CurrentUserName), "NoShow");
  app::frmLobby lobby(state);
  lobby.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return lobby.windowActivated(); }, 3000));
  for (int item : {1, 2, 4, 6, 7})
    EXPECT_EQ(
        lobby.findChild<QAction*>(QStringLiteral("menuBackupRestore%1").arg(item))->isEnabled(),
        item != 6)
        << item;
  auto* button = lobby.findChild<ui::PellamButton*>("cmdBackupRestore");
  auto* grid = lobby.findChild<ui::Grid*>("gridName");
  const int persons = grid->rows();
  const std::string backup = folder("backup");

  app.dialogs.chooseMenuItem("Backup the Verdimark data files");
  app.dialogs.answerFolder(q(backup));
  app.dialogs.answer(ui::Answer::Ok);
  app.dialogs.answer(ui::Answer::Ok);
  QTest::mouseClick(button, Qt::LeftButton);
  auto shown = app.dialogs.messages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].title, "Backup Procedure");
  EXPECT_EQ(shown[0].text, "You have selected\n\n'" + q(backup) +
                               "/'\n\nas your data backup location.\nPlease click <OK> to "
                               "continue.");
  EXPECT_EQ(shown[1].text, "Your current Verdimark data files\nhave been successfully backed up!");
  EXPECT_EQ(out.read("backup/Training.Records"), app.folder.read("Training.Records"));

  // Another desk adds a person, whom the list shows until the restore.
  server::Connection other = connect();
  server::ServerRecords deskB{other};
  store::NameRecord sam;
  sam.FirstName = "Sam";
  sam.Active = store::kActive;
  ASSERT_TRUE(deskB.addPerson(kDesk2, sam));
  ASSERT_TRUE(QTest::qWaitFor([&] { return grid->rows() == persons + 1; }, 5000));
  app.dialogs.clear();
  app.dialogs.chooseMenuItem("Restore the Verdimark data files");
  app.dialogs.answerFolder(q(backup));
  app.dialogs.answer(ui::Answer::Yes);
  app.dialogs.answer(ui::Answer::Ok);
  QTest::mouseClick(button, Qt::LeftButton);
  shown = app.dialogs.messages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].title, "Important! Please read carefully...");
  EXPECT_EQ(shown[1].text,
            "Your previously backed up \nVerdimark data files\nhas been successfully restored!");
  EXPECT_EQ(grid->rows(), persons);
  EXPECT_EQ(serverFiles().at("Name.List"), app.folder.read("Name.List"));
  EXPECT_TRUE(lobby.isEnabled());
}

}  // namespace
}  // namespace vm::test
