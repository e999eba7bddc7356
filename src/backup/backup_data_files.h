// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vm::ui {
struct AppState;
}

namespace vm::backup {

// Asks for a folder and copies the data files into it (backup_copy.h), after the checks and the
// question that the folder calls for; the window is disabled and names each file meanwhile.
// Every outcome but a cancelled picker ends with one message saying how it went.
void BackupDataFiles(ui::AppState& state, QWidget* window);

}  // namespace vm::backup
