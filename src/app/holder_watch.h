// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "access/single_instance.h"

namespace vm::ui {
struct AppState;
}

namespace vm::app {

// While this copy only reads the folder, looks every few seconds whether the copy that holds it
// has ended; then says so once and, if the user wants, starts the program again on the folder,
// which it now takes with changes allowed, and ends this copy.
class HolderWatch : public QObject {
 public:
  // Watches the lock of the data folder and reopens by starting this program again.
  HolderWatch(ui::AppState& state, const QString& dataFolder, const access::LockOwner& owner);
  // The same with the two decisions given, for tests.
  HolderWatch(ui::AppState& state, std::function<bool()> stillHeld, std::function<void()> reopen,
              int intervalMs);

 private:
  void look();

  ui::AppState& state_;
  std::function<bool()> stillHeld_;
  std::function<void()> reopen_;
  QTimer timer_;
};

}  // namespace vm::app
