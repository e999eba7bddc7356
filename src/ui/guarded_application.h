#pragma once

#include <QApplication>

namespace vm::ui {

// The application object of the program. A failure of the file system is never caught
// by the windows' logic; it reaches the event loop here, is shown to the user with the
// system's own text, and ends the program (every rewrite is atomic, so nothing
// half-written survives).
class GuardedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

// The box that reports a fatal failure.
void reportFatalError(const QString& details);

}  // namespace vm::ui
