// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vm::ui {

class PellamButton;

// Save and Cancel of an add/edit window, in the common look; the window captions them at its first
// activation. Save starts hidden; Esc presses Cancel.
PellamButton* makeSaveButton(QWidget* window);
PellamButton* makeCancelButton(QWidget* window);

// What a change does to Save: one already shown is enabled exactly when the entry is complete, a
// hidden one (a record not yet changed) is shown exactly then.
void offerSave(PellamButton* cmdSave, bool entryComplete);

}  // namespace vm::ui
