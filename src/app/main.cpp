// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "access/folder_holder_texts.h"
#include "access/folder_holding.h"
#include "access/server_choice.h"
#include "access/shutdown.h"
#include "access/single_instance.h"
#include "app/app_icon.h"
#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/folder_records.h"
#include "app/holder_watch.h"
#include "app/program.h"
#include "app/server_start.h"
#include "format/clock.h"
#include "store/file_table.h"
#include "store/folder_holder.h"
#include "store/posix_file_system.h"
#include "store/read_only_folder.h"
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
  // Copies on many computers share a server's records; none of them holds the data folder.
  QString server = vm::app::optionValue(QApplication::arguments(), QStringLiteral("--server"));
  if (server.isEmpty() &&
      vm::app::optionValue(QApplication::arguments(), QStringLiteral("--data-dir")).isEmpty() &&
      qEnvironmentVariable("VERDIMARK_DATA_DIR").isEmpty())
    server = vm::access::rememberedServer(vm::ui::Settings());
  if (!server.isEmpty()) return vm::app::runOnServer(server.toStdString(), folder, dialogs);

  const vm::access::SingleInstance instance(folder);
  // Someone else's copy holds the folder: this one may read it beside them, changing nothing.
  std::optional<vm::store::FolderHolder> holder;
  std::optional<vm::access::LockOwner> owner;
  if (instance.heldByAnother()) {
    owner = vm::access::SingleInstance::lockOwner(folder);
    if (!owner || vm::access::sameUserHere(*owner, vm::access::SingleInstance::thisCopy())) {
      vm::access::showAlreadyRunning(dialogs);
      return 1;
    }
    holder = vm::access::holderOf(folder, *owner);
    if (dialogs.message(nullptr, vm::access::folderInUseMessage(*holder)) != vm::ui::Answer::Other)
      return 0;
  } else if (!instance.acquired()) {
    vm::ui::reportFatalError(
        QStringLiteral("The data folder \"%1\" cannot be used: no lock file can be made in it.")
            .arg(folder));
    return 1;
  }

  vm::store::PosixFileSystem disk;
  vm::store::ReadOnlyFolder readOnlyDisk(disk, folder.toStdString());
  vm::store::FileTable files(holder ? static_cast<vm::store::FileSystem&>(readOnlyDisk) : disk,
                             folder.toStdString(),
                             holder ? vm::store::FolderUse::Reader : vm::store::FolderUse::Owner);
  const vm::format::SystemClock clock;
  const vm::store::FolderHolder self = vm::access::thisCopyAsHolder(clock);
  if (!holder) {
    // Work that a crash or power cut interrupted is finished before anything reads the files;
    // work found by a copy that only reads is its holder's, who finishes it.
    try {
      vm::store::finishInterruptedWork(files);
      vm::store::writeHolder(disk, files.folder(), self);
    } catch (const vm::store::StoreError& e) {
      vm::ui::reportFatalError(QString::fromStdString(e.what()));
      return 1;
    }
  }
  vm::ui::Settings settings;
  vm::app::FolderRecords records(files);
  vm::ui::AppState state(files, records, settings, dialogs, clock,
                         vm::ui::loadInstallValues(folder));
  state.ReadOnly = holder.has_value();
  state.holder = holder ? *holder : self;
  state.shutdown = [&state] { vm::access::shutdownProgram(state); };

  vm::app::startProgram(state);
  // A copy that only reads watches for the holder's end, to offer the folder with changes allowed.
  std::optional<vm::app::HolderWatch> watch;
  if (owner && holder) watch.emplace(state, folder, *owner);
  return QApplication::exec();
}
