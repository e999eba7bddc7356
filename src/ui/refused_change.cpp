// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/refused_change.h"

#include "records/change_refused.h"
#include "ui/app_state.h"
#include "ui/dialogs.h"

namespace vm::ui {

ChangeOutcome makeChange(AppState& state, QWidget* window, const std::function<void()>& change) {
  try {
    change();
    return ChangeOutcome::Made;
  } catch (const records::ChangeRefused& refused) {
    state.dialogs.message(
        window, makeMessage(QStringLiteral("Changed by Another User"),
                            QString::fromStdString(refused.what()), MessageIcon::Exclamation));
    return refused.wasRemoved() ? ChangeOutcome::RecordRemoved : ChangeOutcome::RecordChanged;
  }
}

}  // namespace vm::ui
