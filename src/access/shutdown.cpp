// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/shutdown.h"

#include <QApplication>
#include <QWidget>

#include "store/exit_cleanup.h"
#include "store/folder_holder.h"
#include "ui/app_state.h"

namespace vm::access {

void shutdownProgram(ui::AppState& state) {
  state.files.closeAll();
  QApplication::processEvents();
  // A copy that only reads the folder leaves it as it found it.
  if (!state.ReadOnly) {
    store::closeAndRemoveEmptyFiles(state.files);
    store::removeHolder(state.files.fileSystem(), state.files.folder());
  }
  closeWindowsAndQuit();
}

void closeWindowsAndQuit() {
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
  QApplication::quit();
}

}  // namespace vm::access
