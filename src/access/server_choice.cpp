// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/server_choice.h"

#include "server/connection.h"
#include "server/schema.h"
#include "server/server_error.h"
#include "ui/app_state.h"
#include "ui/busy_cursor.h"
#include "ui/dialogs.h"
#include "ui/server_connection_box.h"
#include "ui/settings.h"

namespace vm::access {
namespace {

const QString kWorkOnServerKey = QStringLiteral("WorkOnServer");

}  // namespace

QString rememberedServer(const ui::Settings& settings) {
  return settings.value(kWorkOnServerKey) == QLatin1String("Yes")
             ? settings.value(ui::kServerConnectionKey)
             : QString();
}

void connectToServer(ui::AppState& state, QWidget* window) {
  const QString title = QStringLiteral("Connect to a Server");
  const QString conninfo = ui::askServerConnection(
      state, window, title, QStringLiteral("host=db1 dbname=verdimark user=desk"));
  if (conninfo.isEmpty()) return;
  try {
    const ui::BusyCursor busy(window);
    server::Connection connection(conninfo.toStdString());
    server::prepareSchema(connection);
  } catch (const server::ServerError& e) {
    state.dialogs.message(window,
                          ui::makeMessage(title,
                                          QString::fromStdString(e.what()) +
                                              QStringLiteral("\n\nVerdimark goes on as it was."),
                                          ui::MessageIcon::Critical));
    return;
  }
  state.settings.setValue(kWorkOnServerKey, QStringLiteral("Yes"));
  if (state.restartOn) state.restartOn(conninfo);
}

void workOnDataFolder(ui::AppState& state) {
  state.settings.setValue(kWorkOnServerKey, QStringLiteral("No"));
  if (state.restartOn) state.restartOn({});
}

}  // namespace vm::access
