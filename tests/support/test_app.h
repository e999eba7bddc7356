// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "app/folder_records.h"
#include "format/clock.h"
#include "store/file_table.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "support/test_file_system.h"
#include "ui/app_state.h"
#include "ui/settings.h"

namespace vm::test {

// Everything a window needs, in a temporary data folder with its own settings file,
// scripted dialogs and a clock fixed at 8 December 2026, 10:30:00. The files go through the
// test file system, so a window test can make the disk fail or the power cut.
struct TestApp {
  TempFolder folder;
  TestFileSystem fileSystem;
  store::FileTable files{fileSystem, folder.str()};
  ui::Settings settings{QString::fromStdString((folder / "settings.ini").string())};
  ScriptedDialogs dialogs;
  format::FixedClock clock{{2026, 12, 8, 10, 30, 0}};
  app::FolderRecords records{files};
  ui::AppState state{files, records, settings, dialogs, clock};

  // Tests never print on a real printer: reports are offered as PDF files.
  TestApp() {
    state.defaultPrinter = [] { return QPrinterInfo(); };
  }

  QString dataFolder() const { return QString::fromStdString(folder.str()); }

  // As the admin window leaves it after a log-in: who is logged in, at which access level.
  void logIn(int level, const QString& user = QStringLiteral("Dana Demo")) {
    state.CurrentUserName = user;
    state.CurrentAccessLevel = level;
  }
};

}  // namespace vm::test
