// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/restore_data_files.h"

#include "backup/backup_location.h"
#include "backup/backup_messages.h"
#include "backup/browse_for_folder.h"
#include "backup/flow_steps.h"
#include "ui/app_state.h"
#include "ui/change_author.h"

namespace vm::backup {
namespace {

constexpr Flow kFlow = Flow::Restore;

// Runs the checks and the restore; returns the outcome to show.
QString restoreFrom(ui::AppState& state, QWidget* window, const QString& chosen) {
  ui::Dialogs& dialogs = state.dialogs;
  const std::string folder = localPath(chosen);
  const std::optional<std::vector<std::string>> names =
      namesInChosenFolder(state, window, folder, kFlow);
  if (!names) return cancelledText(kFlow);
  if (!holdsBackup(*names)) {
    const QString shown = QString::fromStdString(withTrailingSeparator(chosen.toStdString()));
    dialogs.message(window, requiredFilesMissingMessage(shown));
    return cancelledText(kFlow);
  }
  // Current data: the list of users has been written (a data folder's User.List, a user on a
  // server).
  if (state.records.exists(store::DataFile::Users) &&
      dialogs.message(window, replaceCurrentDataMessage()) != ui::Answer::Yes)
    return cancelledText(kFlow);
  const bool copied =
      copyShowingProgress(state, window, kFlow, [&](const store::FileStarted& started) {
        return state.records.restoreFrom(folder, ui::changeAuthor(state), started);
      });
  if (!copied) return cancelledText(kFlow);
  state.DataRestored = true;
  return succeededText(kFlow);
}

}  // namespace

void RestoreDataFiles(ui::AppState& state, QWidget* window) {
  const QString chosen = BrowseForFolder(state, window, folderPrompt(kFlow));
  if (chosen.isEmpty()) return;
  state.dialogs.message(window, outcomeMessage(restoreFrom(state, window, chosen)));
}

}  // namespace vm::backup
