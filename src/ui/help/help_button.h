// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vm::ui {

struct AppState;
class PellamButton;

// The help button of a window: a square picture button named cmdHelp, as high as the commands it
// stands among, for the window to place there. Pressing it, or F1 anywhere in the window, opens
// the help viewer over the window on its topic, a menu index of the help topics menu
// (help_menu.h).
PellamButton* makeHelpButton(QWidget* window, AppState& state, int helpTopic, int height);

}  // namespace vm::ui
