// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <functional>

namespace vm::ui {

// The application object of the program. A failure of the file system is never caught
// by the windows' logic; it reaches the event loop here, is shown to the user with the
// system's own text, and ends the program (every rewrite is atomic, so nothing
// half-written survives). It also puts the program's accessibility interfaces in place.
class GuardedApplication : public QApplication {
 public:
  using FatalHandler = std::function<void(const QString& details)>;

  GuardedApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  // What happens to such a failure; by default the box below, then the end of the program.
  void setFatalHandler(FatalHandler handler) { fatal_ = std::move(handler); }
  const FatalHandler& fatalHandler() const { return fatal_; }

 private:
  FatalHandler fatal_;
};

// The box that reports a fatal failure.
void reportFatalError(const QString& details);

}  // namespace vm::ui
