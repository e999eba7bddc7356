// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/guarded_application.h"

#include <QMessageBox>
#include <cstdlib>

#include "ui/accessibility/accessible_factory.h"

namespace vm::ui {

void reportFatalError(const QString& details) {
  QMessageBox::critical(nullptr, QStringLiteral("Verdimark"),
                        QStringLiteral("Verdimark cannot go on and will now close:\n\n") + details);
}

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv), fatal_([](const QString& details) {
        reportFatalError(details);
        std::exit(EXIT_FAILURE);
      }) {
  installAccessibleInterfaces();
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    if (recovery_ && recovery_(e)) return true;
    // StoreError carries the operation, the file and the system's text in what().
    fatal_(QString::fromStdString(e.what()));
  }
  return true;
}

}  // namespace vm::ui
