// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QStringList>

#include "ui/guarded_application.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace vm::test {

// For its life, a failure that reaches the event loop (the program would report it and end) is
// recorded instead of failing the test, so a test can make the disk fail under a window and
// check what the user was told and what the files hold.
//
// Such a failure is thrown through the toolkit's event delivery, which is built without
// exceptions and does not free the event it was delivering. The program would end there; the test
// goes on, so what is allocated meanwhile is left out of the leak check of the sanitizer build.
class ExpectFatal {
 public:
  ExpectFatal()
      : app_(*static_cast<ui::GuardedApplication*>(QCoreApplication::instance())),
        previous_(app_.fatalHandler()) {
    app_.setFatalHandler([this](const QString& details) { failures_.push_back(details); });
#if defined(__SANITIZE_ADDRESS__)
    __lsan_disable();
#endif
  }
  ~ExpectFatal() {
#if defined(__SANITIZE_ADDRESS__)
    __lsan_enable();
#endif
    app_.setFatalHandler(previous_);
  }
  ExpectFatal(const ExpectFatal&) = delete;
  ExpectFatal& operator=(const ExpectFatal&) = delete;

  const QStringList& failures() const { return failures_; }

 private:
  ui::GuardedApplication& app_;
  ui::GuardedApplication::FatalHandler previous_;
  QStringList failures_;
};

}  // namespace vm::test
