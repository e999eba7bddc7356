// SPDX-License-Identifier: GPL-3.0-or-later
// A copy that reads the data folder while another copy holds it, through its real windows.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QTest>

#include "access/shutdown.h"
#include "app/folder_records.h"
#include "app/frm_lobby.h"
#include "app/holder_watch.h"
#include "names/name_bytes.h"
#include "names/person_store.h"
#include "store/posix_file_system.h"
#include "store/read_only_folder.h"
#include "support/expect_box.h"
#include "support/folder_snapshot.h"
#include "support/scripted_dialogs.h"
#include "support/store_test.h"
#include "ui/app_state.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"
#include "ui/settings.h"

using vm::ui::Answer;
using vm::ui::PellamButton;

namespace {

struct ReadOnlyCopyTest : ::testing::Test {
  vm::test::TempFolder folder;
  vm::test::TempFolder home;  // the user's own settings live apart from the data folder
  vm::store::PosixFileSystem disk;
  vm::store::ReadOnlyFolder readOnly{disk, folder.str()};
  vm::store::FileTable files{readOnly, folder.str(), vm::store::FolderUse::Reader};
  vm::ui::Settings settings{QString::fromStdString((home / "settings.ini").string())};
  vm::test::ScriptedDialogs dialogs;
  vm::format::FixedClock clock{{2026, 12, 8, 10, 30, 0}};
  vm::app::FolderRecords records{files};
  vm::ui::AppState state{files, records, settings, dialogs, clock};

  void SetUp() override {
    state.ReadOnly = true;
    state.holder = {"Ola Owner", "ola", "office-7", "2026-12-08 09:00"};
    state.CurrentUserName = "Dana Demo";
    state.CurrentAccessLevel = 4;
    state.defaultPrinter = [] { return QPrinterInfo(); };
    folder.write("User.List", std::string(500, ' '));
    folder.write("Name.List", vm::test::nameList({{38000.5, "Bob", "", "Lee", "", "", "", -1}}));
    folder.write("Course.Index", "");     // an empty file the holder's exit would remove
    folder.write("Journal.$$$", "work");  // the holder's work in progress is left to it
  }
};

}  // namespace

TEST_F(ReadOnlyCopyTest, SaysWhoHoldsTheFolderReadsAgainOnF5AndLeavesTheFolderAsItWas) {
  auto* lobby = new vm::app::frmLobby(state);
  lobby->setAttribute(Qt::WA_DeleteOnClose);
  lobby->show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return lobby->windowActivated(); }, 3000));
  const auto button = [&](const char* name) { return lobby->findChild<PellamButton*>(name); };
  EXPECT_EQ(lobby->findChild<QLabel*>("lblReadOnly")->text(),
            "Read-only: in use by Ola Owner on office-7");
  EXPECT_EQ(button("cmdEditName")->caption(), "View Details");
  EXPECT_FALSE(button("cmdAddName")->isEnabled());
  EXPECT_FALSE(button("cmdDeleteName")->isEnabled());
  EXPECT_EQ(lobby->nameGrid()->rows(), 1);

  // The holder adds a person; this copy lists him once asked to read again.
  {
    vm::store::FileTable owner(disk, folder.str());
    vm::store::NameRecord ann;
    ann.FirstName = "Ann";
    ann.LastName = "Lee";
    ann.Active = vm::store::kActive;
    vm::names::PersonStore(owner).add(vm::test::kAuthor, ann);
    vm::store::writeHolder(disk, folder.str(), {"Sam Second", "ola", "office-7", ""});
  }
  const vm::test::FolderSnapshot before = vm::test::snapshotOf(folder.path());
  QTest::keyClick(lobby, Qt::Key_F5);
  EXPECT_EQ(lobby->nameGrid()->rows(), 2);
  EXPECT_EQ(lobby->findChild<QLabel*>("lblReadOnly")->text(),
            "Read-only: in use by Sam Second on office-7");
  button("cmdRefresh")->click();
  EXPECT_EQ(lobby->nameGrid()->rows(), 2);
  EXPECT_FALSE(lobby->findChild<QAction*>("menuBackupRestore2")->isEnabled());
  EXPECT_TRUE(lobby->findChild<QAction*>("menuBackupRestore1")->isEnabled());

  // Quitting writes no log-out line and removes nothing.
  bool ended = false;
  state.shutdown = [&] {
    vm::access::shutdownProgram(state);
    ended = true;
  };
  dialogs.answer(Answer::Yes);
  button("cmdQuit")->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return ended; }, 3000));
  EXPECT_EQ(vm::test::snapshotOf(folder.path()), before);
  EXPECT_FALSE(folder.has("User.Log"));
}

TEST_F(ReadOnlyCopyTest, TheHolderEndingIsToldOnceWithAnOfferToReopen) {
  bool held = true;
  int reopened = 0;
  const vm::app::HolderWatch watch(
      state, [&] { return held; }, [&] { ++reopened; }, 5);
  held = false;
  dialogs.answer(Answer::Yes);
  ASSERT_TRUE(QTest::qWaitFor([&] { return reopened > 0; }, 3000));
  EXPECT_TRUE(vm::test::isBox(dialogs.lastMessage(),
                              {"Data Folder Free",
                               "Ola Owner on office-7 has closed Verdimark:\nthe data folder is no "
                               "longer in use.\n\nReopen it with changes allowed?\n(You will log "
                               "in again.)",
                               vm::ui::MessageIcon::Question, vm::ui::MessageButtons::YesNo}));
  EXPECT_EQ(dialogs.messages().size(), 1u);
}
