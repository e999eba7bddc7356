// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/guarded_application.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include "store/store_error.h"

namespace {

// A window whose handler meets a failing disk.
class FailingReceiver : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User)
      throw vm::store::StoreError("Cannot write", "./Name.List", "No space left on device");
    return QObject::event(e);
  }
};

}  // namespace

TEST(GuardedApplication, AStoreFailureReachingTheEventLoopIsReportedWithTheSystemText) {
  auto* app = static_cast<vm::ui::GuardedApplication*>(QCoreApplication::instance());
  QStringList reported;
  app->setFatalHandler([&](const QString& details) { reported << details; });
  FailingReceiver receiver;
  QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
  QCoreApplication::processEvents();
  app->setFatalHandler([](const QString& details) {
    ADD_FAILURE() << "a failure reached the event loop: " << details.toStdString();
  });
  ASSERT_EQ(reported.size(), 1);
  EXPECT_EQ(reported[0], "Cannot write \"./Name.List\": No space left on device");
}
