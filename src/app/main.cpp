// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <cstdio>
#include <string_view>
#include <vector>

#include "access/shutdown.h"
#include "access/single_instance.h"
#include "app/app_icon.h"
#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/program.h"
#include "format/clock.h"
#include "store/file_table.h"
#include "store/posix_file_system.h"
#include "store/store_error.h"
#include "store/work_journal.h"
#include "ui/app_state.h"
#include "ui/guarded_application.h"
#include "ui/install_values_file.h"
#include "ui/qt_dialogs.h"
#include "ui/settings.h"

int main(int argc, char** argv) {
  // Help and version are answered on the terminal, without a display.
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  switch (vm::app::commandLineRequest(arguments)) {
    case vm::app::CommandLineRequest::Help:
      std::fputs(vm::app::helpText(vm::app::commandLineText()).c_str(), stdout);
      return 0;
    case vm::app::CommandLineRequest::Version:
      std::printf("verdimark %s\n", VERDIMARK_VERSION_TEXT);
      return 0;
    case vm::app::CommandLineRequest::Run:
      break;
  }

  vm::ui::GuardedApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Verdimark"));
  QApplication::setApplicationName(QStringLiteral("Verdimark"));
  QApplication::setApplicationVersion(QStringLiteral(VERDIMARK_VERSION_TEXT));
  QApplication::setQuitOnLastWindowClosed(false);  // windows hand over to one another

  QGuiApplication::setDesktopFileName(QStringLiteral(VERDIMARK_APP_ID));
  QApplication::setWindowIcon(vm::app::programIcon());

  const vm::app::DataFolderPlaces places = vm::app::findDataFolderPlaces(
      QApplication::applicationDirPath(), QStringLiteral(VERDIMARK_APP_ID));
  const QString folder = vm::app::chooseDataFolder(
      QApplication::arguments(), qEnvironmentVariable("VERDIMARK_DATA_DIR"), places);
  // The per-user folder belongs to the user who runs the program: nobody else reads it.
  const bool perUser =
      !places.perUserFolder.isEmpty() && folder == QDir(places.perUserFolder).absolutePath();
  if (!vm::app::makeDataFolder(folder, perUser) || !QDir::setCurrent(folder)) {
    vm::ui::reportFatalError(QStringLiteral("The data folder \"%1\" cannot be used.").arg(folder));
    return 1;
  }

  vm::ui::QtDialogs dialogs;
  const vm::access::SingleInstance instance(folder);
  if (instance.heldByAnother()) {
    vm::access::showAlreadyRunning(dialogs);
    return 1;
  }
  if (!instance.acquired()) {
    vm::ui::reportFatalError(
        QStringLiteral("The data folder \"%1\" cannot be used: no lock file can be made in it.")
            .arg(folder));
    return 1;
  }

  vm::store::PosixFileSystem fileSystem;
  vm::store::FileTable files(fileSystem, folder.toStdString());
  // Work that a crash or power cut interrupted is finished before anything reads the files.
  try {
    vm::store::finishInterruptedWork(files);
  } catch (const vm::store::StoreError& e) {
    vm::ui::reportFatalError(QString::fromStdString(e.what()));
    return 1;
  }
  vm::ui::Settings settings;
  const vm::format::SystemClock clock;
  vm::ui::AppState state(files, settings, dialogs, clock, vm::ui::loadInstallValues(folder));
  state.shutdown = [&state] { vm::access::shutdownProgram(state); };

  vm::app::startProgram(state);
  return QApplication::exec();
}
