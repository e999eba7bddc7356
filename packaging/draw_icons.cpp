// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon into a hicolor theme folder: one PNG per theme size and the
// scalable SVG, all named after the desktop entry.
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include "app/app_icon.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 3) {
    QTextStream(stderr) << "usage: " << args.value(0) << " THEME_FOLDER ICON_NAME\n";
    return 2;
  }
  const QDir theme(args[1]);
  const QString name = args[2];

  for (const int size : vm::app::kIconSizes) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    const QString file = theme.filePath(folder + u'/' + name + QStringLiteral(".png"));
    if (!theme.mkpath(folder) || !vm::app::renderIcon(size).save(file, "PNG")) {
      QTextStream(stderr) << "cannot write " << file << '\n';
      return 1;
    }
  }
  const QString svgPath = theme.filePath(QStringLiteral("scalable/apps/") + name + ".svg");
  QSaveFile svg(svgPath);
  if (!theme.mkpath(QStringLiteral("scalable/apps")) || !svg.open(QIODevice::WriteOnly) ||
      svg.write(vm::app::iconSvg()) < 0 || !svg.commit()) {
    QTextStream(stderr) << "cannot write " << svgPath << '\n';
    return 1;
  }
  return 0;
}
