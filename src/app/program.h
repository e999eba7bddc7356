// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vm::ui {
struct AppState;
}

namespace vm::app {

// Wires the windows to one another through the process state and shows the first
// window of the run.
void startProgram(ui::AppState& state);

}  // namespace vm::app
