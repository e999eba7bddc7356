// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/server_start.h"

#include <QApplication>
#include <cstdlib>
#include <optional>

#include "access/folder_holding.h"
#include "access/shutdown.h"
#include "app/program.h"
#include "app/server_faults.h"
#include "format/clock.h"
#include "server/connection.h"
#include "server/schema.h"
#include "server/server_error.h"
#include "server/server_records.h"
#include "store/file_table.h"
#include "store/posix_file_system.h"
#include "store/read_only_folder.h"
#include "ui/app_state.h"
#include "ui/guarded_application.h"
#include "ui/install_values_file.h"
#include "ui/settings.h"

namespace vm::app {

int runOnServer(const std::string& conninfo, const QString& folder, ui::Dialogs& dialogs) {
  std::optional<server::Connection> connection;
  std::optional<server::ServerRecords> records;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    connection.emplace(conninfo);
    server::prepareSchema(*connection);
    records.emplace(*connection);
  } catch (const server::ServerError& e) {
    QApplication::restoreOverrideCursor();
    ui::reportFatalError(QString::fromStdString(e.what()));
    return 1;
  }
  QApplication::restoreOverrideCursor();

  // The folder is read, never written: any write to it is refused rather than made.
  store::PosixFileSystem disk;
  store::ReadOnlyFolder readOnly(disk, folder.toStdString());
  store::FileTable files(readOnly, folder.toStdString(), store::FolderUse::Reader);
  const format::SystemClock clock;
  ui::Settings settings;
  ui::AppState state(files, *records, settings, dialogs, clock, ui::loadInstallValues(folder));
  state.holder = access::thisCopyAsHolder(clock);
  state.Server = QString::fromStdString(connection->server());
  state.shutdown = [] { access::closeWindowsAndQuit(); };
  auto* app = static_cast<ui::GuardedApplication*>(QCoreApplication::instance());
  app->setRecoveryHandler(serverFaultHandler(state, *records, [] { std::exit(EXIT_FAILURE); }));
  startProgram(state);
  const int code = QApplication::exec();
  app->setRecoveryHandler({});
  return code;
}

}  // namespace vm::app
