// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vm::ui {
struct AppState;
}

namespace vm::backup {

// Asks for a folder holding a backup and puts its files in place of the current ones, all
// together or not at all (restore_copy.h), after the checks and, when there is current data to
// lose, a last warning; the window is disabled and names each file meanwhile. Sets DataRestored
// when the files were replaced, for the main window to rebuild its lists. Every outcome but a
// cancelled picker ends with one message saying how it went.
void RestoreDataFiles(ui::AppState& state, QWidget* window);

}  // namespace vm::backup
