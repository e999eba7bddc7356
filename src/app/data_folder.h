#pragma once

#include <QString>
#include <QStringList>

namespace vm::app {

// The data folder: "--data-dir DIR" (or "--data-dir=DIR") on the command line, else the
// environment variable VERDIMARK_DATA_DIR, else the program's own folder.
QString chooseDataFolder(const QStringList& arguments, const QString& environmentValue,
                         const QString& programFolder);

}  // namespace vm::app
