#include "backup/backup_data_files.h"

#include "backup/backup_copy.h"
#include "backup/backup_location.h"
#include "backup/backup_messages.h"
#include "backup/browse_for_folder.h"
#include "backup/copy_progress.h"
#include "backup/same_folder.h"
#include "store/store_error.h"
#include "ui/app_state.h"
#include "ui/change_author.h"

namespace vm::backup {
namespace {

constexpr Flow kFlow = Flow::Backup;

// Runs the checks and the copy; returns the outcome to show.
QString backUpInto(ui::AppState& state, QWidget* window, const QString& chosen) {
  ui::Dialogs& dialogs = state.dialogs;
  const std::string folder = localPath(chosen);
  if (sameFolder(folder, state.files.folder())) {
    dialogs.message(window, sameFolderMessage(kFlow));
    return cancelledText(kFlow);
  }
  std::vector<std::string> names;
  try {
    names = state.files.fileSystem().list(folder);
  } catch (const store::StoreError&) {
    dialogs.message(window, accessProblemMessage(kFlow));
    return cancelledText(kFlow);
  }
  const QString shown = QString::fromStdString(withTrailingSeparator(chosen.toStdString()));
  if (holdsUnrelatedFiles(names)) {
    if (dialogs.message(window, unrelatedFilesMessage(shown)) != ui::Answer::Yes)
      return cancelledText(kFlow);
  } else if (dialogs.message(window, confirmBackupMessage(shown)) != ui::Answer::Ok) {
    return cancelledText(kFlow);
  }
  std::optional<std::string> failed;
  {
    CopyProgress progress(window, kFlow);
    failed = backUpFiles(state.files.fileSystem(), state.files.folder(), folder,
                         [&](std::string_view name) { progress.fileStarted(name); });
  }
  if (failed) {
    dialogs.message(window, copyFailedMessage(kFlow, QString::fromStdString(*failed)));
    return cancelledText(kFlow);
  }
  logBackup(state.files, ui::changeAuthor(state), folder);
  return succeededText(kFlow);
}

}  // namespace

void BackupDataFiles(ui::AppState& state, QWidget* window) {
  const QString chosen = BrowseForFolder(state, window, folderPrompt(kFlow));
  if (chosen.isEmpty()) return;
  state.dialogs.message(window, outcomeMessage(backUpInto(state, window, chosen)));
}

}  // namespace vm::backup
