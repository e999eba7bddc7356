// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/restart.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <optional>

#include "server/connection.h"
#include "ui/app_state.h"

namespace vm::app {

QStringList restartArguments(const QStringList& arguments, const QString& conninfo) {
  QStringList out;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == QLatin1String("--server"))
      ++i;
    else if (!a.startsWith(QLatin1String("--server=")))
      out << a;
  }
  if (!conninfo.isEmpty()) out << QStringLiteral("--server") << conninfo;
  return out;
}

void restartProgram(ui::AppState& state, const QString& conninfo) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  QString shown = conninfo;
  if (const std::optional<server::PasswordApart> apart =
          server::splitPassword(conninfo.toStdString());
      apart && !apart->password.empty()) {
    shown = QString::fromStdString(apart->conninfo);
    environment.insert(QStringLiteral("PGPASSWORD"), QString::fromStdString(apart->password));
  }
  QProcess process;
  process.setProgram(QCoreApplication::applicationFilePath());
  process.setArguments(restartArguments(QCoreApplication::arguments(), shown));
  process.setProcessEnvironment(environment);
  process.startDetached();
  if (state.shutdown) state.shutdown();
}

}  // namespace vm::app
