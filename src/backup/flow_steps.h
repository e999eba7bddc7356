// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "backup/backup_messages.h"
#include "store/backup/file_started.h"

class QWidget;

namespace vm::ui {
struct AppState;
}

namespace vm::backup {

// The steps a backup and a restore take alike.

// The names of the files in the chosen folder; nothing, once the user has been told why, when
// the folder is the data folder itself or cannot be read.
std::optional<std::vector<std::string>> namesInChosenFolder(ui::AppState& state, QWidget* window,
                                                            const std::string& folder, Flow flow);

// Runs the copy with its progress shown in the window; on a failure tells the user which file
// failed and returns false. Esc stops the copy, which then changed nothing; returns false.
bool copyShowingProgress(ui::AppState& state, QWidget* window, Flow flow,
                         const std::function<std::optional<std::string>(store::FileStarted)>& copy);

}  // namespace vm::backup
