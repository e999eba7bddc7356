// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_data_files.h"

#include "backup/backup_location.h"
#include "backup/backup_messages.h"
#include "backup/browse_for_folder.h"
#include "backup/flow_steps.h"
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
  const bool copied =
      copyShowingProgress(state, window, kFlow, [&](const store::FileStarted& started) {
        return state.records.backUpInto(folder, ui::changeAuthor(state), started);
      });
  if (!copied) return cancelledText(kFlow);
  return succeededText(kFlow);
}

}  // namespace

void BackupDataFiles(ui::AppState& state, QWidget* window) {
  const QString chosen = BrowseForFolder(state, window, folderPrompt(kFlow));
  if (chosen.isEmpty()) return;
  state.dialogs.message(window, outcomeMessage(backUpInto(state, window, chosen)));
}

}  // namespace vm::backup
