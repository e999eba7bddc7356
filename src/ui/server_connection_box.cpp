// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/server_connection_box.h"

#include <optional>
#include <string>

#include "server/connection.h"
#include "ui/app_state.h"
#include "ui/dialogs.h"
#include "ui/settings.h"

namespace vm::ui {

QString askServerConnection(AppState& state, QWidget* window, const QString& title,
                            const QString& example) {
  const QString typed =
      state.dialogs
          .input(window, title,
                 "Type the connection string of the server's database, for example\n" + example,
                 state.settings.value(kServerConnectionKey))
          .trimmed();
  if (typed.isEmpty()) return {};
  if (const std::optional<std::string> kept = server::conninfoWithoutPassword(typed.toStdString()))
    state.settings.setValue(kServerConnectionKey, QString::fromStdString(*kept));
  return typed;
}

}  // namespace vm::ui
