// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace vm::app {

// The places a data folder can default to when neither the command line nor the
// environment names one.
struct DataFolderPlaces {
  QString programFolder;  // the folder the executable is in
  bool programFolderWritable = false;
  bool installedCopy = false;  // the executable sits in an installed layout
  QString perUserFolder;       // the platform's per-user application data folder
};

// The value of the last "NAME VALUE" or "NAME=VALUE" among the arguments (the first is the
// program); empty when there is none.
QString optionValue(const QStringList& arguments, const QString& name);

// The data folder: "--data-dir DIR" (or "--data-dir=DIR") on the command line, else the
// environment variable VERDIMARK_DATA_DIR, else the program's own folder when it can keep
// the data there (writable, not an installed copy), else the per-user folder.
QString chooseDataFolder(const QStringList& arguments, const QString& environmentValue,
                         const DataFolderPlaces& places);

// Looks at the executable's folder and asks the platform for the per-user folder, which
// depends on the application's organisation and name being set first.
DataFolderPlaces findDataFolderPlaces(const QString& programFolder, const QString& desktopId);

// Makes a missing data folder with its parents; one made owner-only is its user's alone.
// An existing folder is left as it is.
bool makeDataFolder(const QString& folder, bool ownerOnly);

}  // namespace vm::app
