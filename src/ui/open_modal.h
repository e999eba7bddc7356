// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vm::ui {

struct AppState;

// Opens `child` modally over the window that holds `opener` and returns once it has closed: true
// when the child saved a record. Every modal child window of the program opens this way, editor or
// not. While the child is open the opener's window is dimmed when fading is on (when that window
// holds a WindowLife), and it is bright again before this returns.
//
// The child is made with new and is discarded when it closes, as every window of the program is;
// its controls never linger among the opener's. It says that it saved through its WindowLife. A new
// window (the credit window, the training history window) follows the editors, which give back
// the record they saved through ui::openEditor (ui/record_editor.h):
//
//   // The opener, here the Course Index tab:
//   if (!ui::openModal(state_, lobby_.lobbyWindow(),
//                      new frmCreditTraining(state_, ..., lobby_.lobbyWindow())))
//     return;
//   lobby_.refreshButtons();  // and whatever else a save calls for
//
//   // The child, once its records are written:
//   life_.reportRecordSaved();
//   life_.closeWindow();
bool openModal(AppState& state, QWidget* opener, QWidget* child);

}  // namespace vm::ui
