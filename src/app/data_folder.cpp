#include "app/data_folder.h"

#include <QDir>

namespace vm::app {

QString chooseDataFolder(const QStringList& arguments, const QString& environmentValue,
                         const QString& programFolder) {
  QString chosen;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == QLatin1String("--data-dir") && i + 1 < arguments.size()) {
      chosen = arguments[++i];
    } else if (a.startsWith(QLatin1String("--data-dir="))) {
      chosen = a.mid(11);
    }
  }
  if (chosen.isEmpty()) chosen = environmentValue;
  if (chosen.isEmpty()) chosen = programFolder;
  return QDir(chosen).absolutePath();
}

}  // namespace vm::app
