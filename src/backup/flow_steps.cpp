// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/flow_steps.h"

#include "backup/copy_progress.h"
#include "backup/same_folder.h"
#include "store/store_error.h"
#include "store/work_stopped.h"
#include "ui/app_state.h"

namespace vm::backup {

std::optional<std::vector<std::string>> namesInChosenFolder(ui::AppState& state, QWidget* window,
                                                            const std::string& folder, Flow flow) {
  if (sameFolder(folder, state.files.folder())) {
    state.dialogs.message(window, sameFolderMessage(flow));
    return std::nullopt;
  }
  try {
    return state.files.fileSystem().list(folder);
  } catch (const store::StoreError&) {
    state.dialogs.message(window, accessProblemMessage(flow));
    return std::nullopt;
  }
}

bool copyShowingProgress(
    ui::AppState& state, QWidget* window, Flow flow,
    const std::function<std::optional<std::string>(store::FileStarted)>& copy) {
  std::optional<std::string> failed;
  try {
    CopyProgress progress(window, flow);
    failed = copy([&](std::string_view name) { progress.fileStarted(name); });
  } catch (const store::WorkStopped&) {
    // Esc stopped the copy before anything changed: nothing to tell but that it did not happen.
    return false;
  }
  if (!failed) return true;
  state.dialogs.message(window, copyFailedMessage(flow, QString::fromStdString(*failed)));
  return false;
}

}  // namespace vm::backup
