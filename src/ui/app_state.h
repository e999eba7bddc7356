// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinterInfo>
#include <QString>
#include <QStringList>
#include <functional>

#include "format/clock.h"
#include "print/install_values.h"
#include "records/records.h"
#include "store/file_table.h"
#include "store/folder_holder.h"

class QWidget;

namespace vm::ui {

class Dialogs;
class Settings;

// What is process-wide, and nothing else: made once in main() (or by a test) and
// passed by reference to every window.
struct AppState {
  AppState(store::FileTable& files, records::Records& records, Settings& settings, Dialogs& dialogs,
           const format::Clock& clock, print::InstallValues install = {});

  const QStringList AccessLevelNames;

  // Set only by the log-in.
  QString CurrentUserName;
  int CurrentAccessLevel = 0;

  int HelpTopic = 0;
  bool FadeEnabled = false;
  bool HistoryViewOnly = false;
  bool DataRestored = false;

  // The data folder's files: what only a folder has (its holder, backups, the logs' files).
  store::FileTable& files;
  // The records, in the data folder or on a server: every list, edit and pass goes through them.
  records::Records& records;

  // Where the records are: the server ("host:port") when they are a database server's, empty when
  // they are the data folder's. Told to the user, never asked by the work on the records.
  QString Server;

  // Set at start when another copy holds the data folder: this copy only reads it, through a file
  // system that refuses every change of it (store/read_only_folder.h).
  bool ReadOnly = false;
  // Who holds the folder: this copy while it does, else the copy this one reads beside.
  store::FolderHolder holder;

  Settings& settings;
  Dialogs& dialogs;
  const format::Clock& clock;
  print::InstallValues install;
  // Where reports are printed: the system's default printer, a null one when there is none.
  std::function<QPrinterInfo()> defaultPrinter = [] { return QPrinterInfo::defaultPrinter(); };

  // The admin window and the main window open each other through these, wired in main().
  std::function<void()> showAdminWindow;
  std::function<void()> showMainWindow;
  // Opens the help viewer modally over the owner on the topic in HelpTopic.
  std::function<void(QWidget* owner)> showHelp;
  // Ends the program: closes the files, removes empty ones, closes every window.
  std::function<void()> shutdown;
  // Ends the program and starts it again: on the server of the connection string, or on the data
  // folder when it is empty.
  std::function<void(const QString& conninfo)> restartOn;

  // Sets HelpTopic and opens the help viewer over the owner (every help button and F1).
  void openHelp(QWidget* owner, int topic);

  // The access level that decides what may be changed: that of the user, but only reading while
  // another copy holds the folder. What may be read follows CurrentAccessLevel.
  int changeLevel() const { return ReadOnly ? 1 : CurrentAccessLevel; }

  // The name of an access level, empty outside 1 to 4.
  QString accessLevelName(int level) const;
  // Where a data file lives.
  QString pathOf(const QString& name) const;
};

}  // namespace vm::ui
