// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vm::ui {
struct AppState;
}

namespace vm::access {

// Every way of quitting ends here: close every file, let pending window events run,
// delete data files of length 0, close every window, end the event loop.
void shutdownProgram(ui::AppState& state);

// Closes every window and ends the event loop: the end of a run that holds no data folder.
void closeWindowsAndQuit();

}  // namespace vm::access
