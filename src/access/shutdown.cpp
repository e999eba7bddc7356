// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/shutdown.h"

#include <QApplication>
#include <QWidget>

#include "store/exit_cleanup.h"
#include "ui/app_state.h"

namespace vm::access {

void shutdownProgram(ui::AppState& state) {
  state.files.closeAll();
  QApplication::processEvents();
  store::closeAndRemoveEmptyFiles(state.files);
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
  QApplication::quit();
}

}  // namespace vm::access
