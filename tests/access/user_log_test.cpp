// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/user_log.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/folder_records.h"
#include "support/fault_sweep.h"
#include "support/test_app.h"
#include "ui/dialogs.h"

using namespace vm;
using access::UserLogKind;

TEST(UserLog, LinesAreAppendedInWindows1252WithCrLf) {
  test::TestApp app;
  app.state.CurrentUserName = "Ren\u00E9 Aub";
  app.state.CurrentAccessLevel = 2;
  EXPECT_TRUE(access::WriteUserLog(app.state, UserLogKind::LogIn));
  app.clock.set({2026, 12, 8, 17, 2, 11});
  EXPECT_TRUE(access::WriteUserLog(app.state, UserLogKind::LogOut));
  EXPECT_EQ(app.folder.read("User.Log"),
            "12/08/2026 at 10:30:00 - Ren\xE9 Aub logged in w/ Read/Edit "
            "privileges.\r\n"
            "12/08/2026 at 17:02:11 - Ren\xE9 Aub logged out.\r\n");
  EXPECT_EQ(access::readUserLog(app.state),
            "12/08/2026 at 10:30:00 - Ren\u00E9 Aub logged in w/ Read/Edit "
            "privileges.\r\n"
            "12/08/2026 at 17:02:11 - Ren\u00E9 Aub logged out.\r\n");
}

TEST(UserLog, ALogThatCannotBeWrittenIsReportedAndTheStepGoesOn) {
  test::TestApp app;
  std::filesystem::create_directory(app.folder / "User.Log");  // cannot be opened to append
  app.state.CurrentUserName = "Ann Lee";
  app.state.CurrentAccessLevel = 1;
  app.dialogs.answer(ui::Answer::Ok);
  EXPECT_FALSE(access::WriteUserLog(app.state, UserLogKind::LogOut));
  const auto box = app.dialogs.lastMessage();
  EXPECT_EQ(box.title, "User Log Not Written");
  EXPECT_TRUE(box.text.startsWith("The 'User Log' could not be written to:\n"));
  EXPECT_TRUE(box.text.endsWith("\n\nThis log-out goes on without being recorded."));
  EXPECT_EQ(box.icon, ui::MessageIcon::Exclamation);
}

namespace {

// Answers every box with OK and counts them: the log's own failure message is the only box a
// log line can bring up.
class OkDialogs final : public ui::Dialogs {
 public:
  int messages = 0;
  ui::Answer message(QWidget*, const ui::Message&) override {
    ++messages;
    return ui::Answer::Ok;
  }
  QString input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  QString browseForFolder(QWidget*, const QString&, const QString&) override { return {}; }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
  QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
  QAction* popupMenu(QMenu*, const QPoint&) override { return nullptr; }
  void runModal(QWidget*) override {}
};

}  // namespace

TEST(UserLogFaults, ALineIsWhollyWrittenOrNotAtAllAndAFailureIsReported) {
  const test::TempFolder elsewhere;
  const auto count = test::sweepFaults(
      {[](const test::TempFolder& folder) {
         folder.write("User.Log",
                      "12/08/2026 at 10:30:00 - Ann Lee logged in w/ Read Only "
                      "privileges.\r\n");
       },
       [&elsewhere](store::FileTable& files) {
         ui::Settings settings(QString::fromStdString((elsewhere / "settings.ini").string()));
         OkDialogs dialogs;
         const format::FixedClock clock({2026, 12, 8, 17, 2, 11});
         app::FolderRecords records(files);
         ui::AppState state(files, records, settings, dialogs, clock);
         state.CurrentUserName = "Ann Lee";
         state.CurrentAccessLevel = 1;
         const bool written = access::WriteUserLog(state, UserLogKind::LogOut);
         EXPECT_EQ(dialogs.messages, written ? 0 : 1);
       }});
  EXPECT_GE(count.failedCalls, 4);
}
