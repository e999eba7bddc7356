// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/open_modal.h"

#include <QWidget>

#include "ui/app_state.h"
#include "ui/dialogs.h"
#include "ui/window_life.h"

namespace vm::ui {

bool openModal(AppState& state, QWidget* opener, QWidget* child) {
  child->setAttribute(Qt::WA_DeleteOnClose);
  bool saved = false;
  QMetaObject::Connection report;
  if (WindowLife* life = WindowLife::of(child))
    report = QObject::connect(life, &WindowLife::recordSaved, [&saved] { saved = true; });

  // The opener brightens by the fading in force when the child has closed.
  WindowLife* openerLife = opener ? WindowLife::of(opener->window()) : nullptr;
  if (openerLife && state.FadeEnabled) openerLife->fade().dim();
  state.dialogs.runModal(child);
  if (openerLife && state.FadeEnabled) {
    openerLife->fade().undim();
    openerLife->fade().waitUntilFinished();
  }
  QObject::disconnect(report);
  return saved;
}

}  // namespace vm::ui
