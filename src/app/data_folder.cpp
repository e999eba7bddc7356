// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vm::app {

QString optionValue(const QStringList& arguments, const QString& name) {
  QString value;
  const QString joined = name + QLatin1Char('=');
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == name && i + 1 < arguments.size()) {
      value = arguments[++i];
    } else if (a.startsWith(joined)) {
      value = a.mid(joined.size());
    }
  }
  return value;
}

QString chooseDataFolder(const QStringList& arguments, const QString& environmentValue,
                         const DataFolderPlaces& places) {
  QString chosen = optionValue(arguments, QStringLiteral("--data-dir"));
  if (chosen.isEmpty()) chosen = environmentValue;
  if (chosen.isEmpty()) {
    const bool ownFolder = places.programFolderWritable && !places.installedCopy;
    chosen =
        ownFolder || places.perUserFolder.isEmpty() ? places.programFolder : places.perUserFolder;
  }
  return QDir(chosen).absolutePath();
}

DataFolderPlaces findDataFolderPlaces(const QString& programFolder, const QString& desktopId) {
  DataFolderPlaces places;
  places.programFolder = programFolder;
  places.programFolderWritable = QFileInfo(programFolder).isWritable();
  // An installed copy has its desktop entry in the share folder beside its bin folder, under
  // any prefix; its bin folder (writable for root, or under a home prefix) is no place for data.
  places.installedCopy = QFileInfo::exists(
      QDir(programFolder)
          .filePath(QStringLiteral("../share/applications/%1.desktop").arg(desktopId)));
  places.perUserFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return places;
}

bool makeDataFolder(const QString& folder, bool ownerOnly) {
  if (QFileInfo(folder).isDir()) return true;
  if (!QDir().mkpath(folder)) return false;
  return !ownerOnly ||
         QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace vm::app
