#include "ui/editor_buttons.h"

#include "ui/button/command_button.h"

namespace vm::ui {

PellamButton* makeSaveButton(QWidget* window) {
  PellamButton* cmdSave = makeCommandButton(window, QStringLiteral("cmdSave"), {});
  cmdSave->hide();
  return cmdSave;
}

PellamButton* makeCancelButton(QWidget* window) {
  return makeCommandButton(window, QStringLiteral("cmdCancel"), {});
}

void offerSave(PellamButton* cmdSave, bool entryComplete) {
  if (cmdSave->isHidden()) {
    cmdSave->setVisible(entryComplete);
  } else {
    cmdSave->setEnabled(entryComplete);
  }
}

}  // namespace vm::ui
