// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_data_files.h"

#include "backup/backup_copy.h"
#include "backup/backup_location.h"
#include "backup/backup_messages.h"
#include "backup/browse_for_folder.h"
#include "backup/flow_steps.h"
#include "store/change_log/record_changes.h"
#include "ui/app_state.h"
#include "ui/change_author.h"

namespace vm::backup {
namespace {

constexpr Flow kFlow = Flow::Backup;

// Runs the checks and the copy; returns the outcome to show.
QString backUpInto(ui::AppState& state, QWidget* window, const QString& chosen) {
  ui::Dialogs& dialogs = state.dialogs;
  const std::string folder = localPath(chosen);
  const std::optional<std::vector<std::string>> names =
      namesInChosenFolder(state, window, folder, kFlow);
  if (!names) return cancelledText(kFlow);
  const QString shown = QString::fromStdString(withTrailingSeparator(chosen.toStdString()));
  if (holdsUnrelatedFiles(*names)) {
    if (dialogs.message(window, unrelatedFilesMessage(shown)) != ui::Answer::Yes)
      return cancelledText(kFlow);
  } else if (dialogs.message(window, confirmBackupMessage(shown)) != ui::Answer::Ok) {
    return cancelledText(kFlow);
  }
  // One line, in the backup's copy of the change log and then in the data folder's.
  const store::ChangeAuthor author = ui::changeAuthor(state);
  const store::Change change = backupChange(state.files, folder);
  const std::string line =
      store::finishedLine(store::pendingLine(author, change), store::Tally::None, 0, 0);
  const bool copied = copyShowingProgress(state, window, kFlow, [&](const FileStarted& started) {
    return backUpFiles(state.files.fileSystem(), state.files.folder(), folder, started,
                       store::kCarriedFiles, line);
  });
  if (!copied) return cancelledText(kFlow);
  // A copy that only reads the folder leaves its log alone: the backup's copy has the line.
  if (!state.ReadOnly) logBackup(state.files, author, change);
  return succeededText(kFlow);
}

}  // namespace

void BackupDataFiles(ui::AppState& state, QWidget* window) {
  const QString chosen = BrowseForFolder(state, window, folderPrompt(kFlow));
  if (chosen.isEmpty()) return;
  state.dialogs.message(window, outcomeMessage(backUpInto(state, window, chosen)));
}

}  // namespace vm::backup
