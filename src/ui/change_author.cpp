// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/change_author.h"

#include "ui/app_state.h"

namespace vm::ui {

store::ChangeAuthor changeAuthor(const AppState& state) {
  return {state.CurrentUserName.toStdString(), state.clock.now()};
}

store::ChangeAuthor administratorAuthor(const AppState& state) {
  return {std::string(store::kAdministrator), state.clock.now()};
}

}  // namespace vm::ui
