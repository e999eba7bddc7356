#include "ui/guarded_application.h"

#include <QMessageBox>
#include <cstdlib>

#include "store/store_error.h"

namespace vm::ui {

void reportFatalError(const QString& details) {
  QMessageBox::critical(nullptr, QStringLiteral("Verdimark"),
                        QStringLiteral("Verdimark cannot go on and will now close:\n\n") + details);
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const store::StoreError& e) {
    reportFatalError(QString::fromStdString(e.what()));
  } catch (const std::exception& e) {
    reportFatalError(QString::fromStdString(e.what()));
  }
  std::exit(EXIT_FAILURE);
}

}  // namespace vm::ui
