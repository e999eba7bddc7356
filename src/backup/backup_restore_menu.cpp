// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_restore_menu.h"

#include <QAction>
#include <array>

#include "backup/backup_data_files.h"
#include "backup/restore_data_files.h"
#include "backup/server_copy.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/menu_items.h"

namespace vm::backup {
namespace {

constexpr int kBackup = 1;
constexpr int kRestore = 2;
constexpr int kExit = 4;
constexpr int kToServer = 6;
constexpr int kToFolder = 7;

}  // namespace

BackupRestoreMenu::BackupRestoreMenu(ui::AppState& state, QWidget* window)
    : QMenu(window), state_(state), window_(window) {
  setObjectName(QStringLiteral("menuBackupRestoreMenu"));
  const QString title = ui::applicationTitle();
  const std::array<QString, 7> captions = {"Backup the " + title + " data files",
                                           "Restore the " + title + " data files",
                                           QString(),
                                           QStringLiteral("Exit this Menu"),
                                           QString(),
                                           QStringLiteral("Copy this Data Folder to a Server..."),
                                           QStringLiteral("Copy the Server to a Data Folder...")};
  for (int index = 1; index <= static_cast<int>(captions.size()); ++index) {
    const QString& caption = captions[static_cast<std::size_t>(index - 1)];
    QAction* item = caption.isEmpty() ? addSeparator() : addAction(caption);
    item->setObjectName(QStringLiteral("menuBackupRestore%1").arg(index));
    // A copy that only reads the folder backs it up but never puts a backup in its place, nor
    // copies a folder that another copy may be writing to a server. On a server the records are
    // not the folder's: they are backed up, restored or copied into a folder, never copied to a
    // server again.
    if (!state.Server.isEmpty())
      item->setEnabled(index != kToServer);
    else
      item->setEnabled((index != kRestore && index != kToServer) || !state.ReadOnly);
    ui::onMenuItem(item, this, this, [this, index] { menuBackupRestore_Click(index); });
  }
}

void BackupRestoreMenu::menuBackupRestore_Click(int index) {
  if (index == kBackup) BackupDataFiles(state_, window_);
  if (index == kToServer) CopyFolderToServer(state_, window_);
  if (index == kToFolder) CopyServerToFolder(state_, window_);
  if (index != kRestore || state_.ReadOnly) return;
  RestoreDataFiles(state_, window_);
  if (state_.DataRestored) emit dataRestored();
}

}  // namespace vm::backup
