// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <exception>
#include <functional>

namespace vm::ui {

// The application object of the program. A failure of the file system is never caught
// by the windows' logic; it reaches the event loop here, is shown to the user with the
// system's own text, and ends the program (every rewrite is atomic, so nothing
// half-written survives). A failure the recovery handler takes (a server's, whose work is
// committed whole or not at all) drops the event that met it and the program goes on. It
// also puts the program's accessibility interfaces in place.
class GuardedApplication : public QApplication {
 public:
  using FatalHandler = std::function<void(const QString& details)>;
  // Whether the program goes on after the failure; false leaves it to the fatal handler.
  using RecoveryHandler = std::function<bool(const std::exception& failure)>;

  GuardedApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  // What happens to such a failure; by default the box below, then the end of the program.
  void setFatalHandler(FatalHandler handler) { fatal_ = std::move(handler); }
  const FatalHandler& fatalHandler() const { return fatal_; }

  // Asked first about every failure; by default none is taken.
  void setRecoveryHandler(RecoveryHandler handler) { recovery_ = std::move(handler); }

 private:
  FatalHandler fatal_;
  RecoveryHandler recovery_;
};

// The box that reports a fatal failure.
void reportFatalError(const QString& details);

}  // namespace vm::ui
