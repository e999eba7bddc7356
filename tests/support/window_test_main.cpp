// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ui/guarded_application.h"

// Window tests need one application object for the whole process, the program's own;
// CTest sets the offscreen platform so that no display is needed.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  vm::ui::GuardedApplication app(argc, argv);
  app.setFatalHandler([](const QString& details) {
    ADD_FAILURE() << "a failure reached the event loop: " << details.toStdString();
  });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
