// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "store/user_log/user_log_line.h"

class QWidget;

namespace vm::ui {
struct AppState;
}

namespace vm::access {

using store::UserLogKind;

// Appends the log-in or log-out line of the current user to the user log of the records. A log
// that cannot be written, in a folder or on a server, is reported in a box over the owner, and the
// log-in or log-out goes on without its line; returns whether the line was written. A copy that
// only reads the folder writes no line.
bool WriteUserLog(ui::AppState& state, UserLogKind kind, QWidget* owner = nullptr);

// The whole user log as text, trimmed of leading and trailing blanks.
QString readUserLog(const ui::AppState& state);

}  // namespace vm::access
