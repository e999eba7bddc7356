// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor_buttons.h"

#include "ui/button/command_button.h"

namespace vm::ui {

PellamButton* makeSaveButton(QWidget* window) {
  PellamButton* cmdSave = makeCommandButton(window, QStringLiteral("cmdSave"), {});
  cmdSave->hide();
  return cmdSave;
}

PellamButton* makeCancelButton(QWidget* window) {
  PellamButton* cancel = makeCommandButton(window, QStringLiteral("cmdCancel"), {});
  // Esc presses it, rather than closing the window past its own way out.
  cancel->setCancel(true);
  return cancel;
}

void offerSave(PellamButton* cmdSave, bool entryComplete) {
  if (cmdSave->isHidden()) {
    cmdSave->setVisible(entryComplete);
  } else {
    cmdSave->setEnabled(entryComplete);
  }
}

}  // namespace vm::ui
