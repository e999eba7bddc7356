// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/change_log/change_line.h"

namespace vm::ui {

struct AppState;

// Who makes a change now, for its line in the change log: the user logged in, or in the admin
// window, which the access code opens, the administrator.
store::ChangeAuthor changeAuthor(const AppState& state);
store::ChangeAuthor administratorAuthor(const AppState& state);

}  // namespace vm::ui
