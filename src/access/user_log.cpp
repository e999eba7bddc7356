// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/user_log.h"

#include <string>

#include "format/trim.h"
#include "server/server_error.h"
#include "store/store_error.h"
#include "ui/app_state.h"
#include "ui/dialogs.h"

namespace vm::access {

bool WriteUserLog(ui::AppState& state, UserLogKind kind, QWidget* owner) {
  // The holding copy keeps the log; one that only reads the folder writes nothing into it.
  if (state.ReadOnly) return false;
  const format::DateTime date = state.clock.now();
  const format::DateTime time = state.clock.now();
  const std::string line =
      store::userLogLine(kind, date, time, state.CurrentUserName.toStdString(),
                         state.accessLevelName(state.CurrentAccessLevel).toStdString());
  const auto notWritten = [&](const std::string& why) {
    const QString what = kind == UserLogKind::LogIn ? "log-in" : "log-out";
    state.dialogs.message(owner, ui::makeMessage("User Log Not Written",
                                                 "The 'User Log' could not be written to:\n" +
                                                     QString::fromStdString(why) + "\n\nThis " +
                                                     what + " goes on without being recorded.",
                                                 ui::MessageIcon::Exclamation));
    return false;
  };
  try {
    state.records.appendUserLog(line);
    return true;
  } catch (const store::StoreError& e) {
    return notWritten(e.systemText());
  } catch (const server::ServerError& e) {
    // The server's message names it and says whether the line was saved.
    return notWritten(e.what());
  }
}

QString readUserLog(const ui::AppState& state) {
  return QString::fromStdString(format::trim(state.records.userLogText()));
}

}  // namespace vm::access
