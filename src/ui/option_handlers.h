// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QCheckBox;
class QObject;
class QRadioButton;

namespace vm::ui {

// Option buttons and check boxes run the program's handlers on the change of their state,
// not on a mouse click, so a handler runs however the change comes: a click, the space bar,
// the arrow keys, an access key, the action of an assistive technology, or the program
// setting the value (as a window does when it loads a record; a handler that must not run
// then checks the window's own loading flag).

// Runs `handler` each time `option` becomes the chosen one of its group: the options that share
// its parent, whatever groups lie inside or around it. Tab also enters the group at its chosen
// option, as on the platform's own dialogs, so the one that reads "checked" is the one the keys
// start from.
void onChosen(QRadioButton* option, QObject* receiver, std::function<void()> handler);

// Runs `handler` each time `box` is ticked or cleared.
void onTickChanged(QCheckBox* box, QObject* receiver, std::function<void()> handler);

}  // namespace vm::ui
