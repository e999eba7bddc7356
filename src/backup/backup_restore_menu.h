// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

namespace vm::ui {
struct AppState;
}

namespace vm::backup {

// The pop-up menu of the main window's backup and restore button, `menuBackupRestoreMenu`:
// items `menuBackupRestore1` "Backup the Verdimark data files", `menuBackupRestore2` "Restore
// the Verdimark data files", a separator, and `menuBackupRestore4` "Exit this Menu", which only
// closes it; after another separator the two copies between the data folder and a database
// server, `menuBackupRestore6` and `menuBackupRestore7` (server_copy.h). The first two run the
// backup or the restore for the window; a restore that replaced the files sets DataRestored and
// tells the window, which rebuilds its lists.
class BackupRestoreMenu : public QMenu {
  Q_OBJECT

 public:
  BackupRestoreMenu(ui::AppState& state, QWidget* window);

 signals:
  void dataRestored();

 private:
  void menuBackupRestore_Click(int index);

  ui::AppState& state_;
  QWidget* window_;
};

}  // namespace vm::backup
