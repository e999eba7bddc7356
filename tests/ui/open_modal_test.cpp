// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/open_modal.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>

#include "support/test_app.h"
#include "ui/window_life.h"

namespace vm::ui {
namespace {

void runUntil(const std::function<bool()>& done) { EXPECT_TRUE(QTest::qWaitFor(done, 3000)); }

// A child window as the editors are: it holds a life and, when told, reports a save as it closes.
QDialog* makeChild(test::TestApp& app, bool saves) {
  auto* child = new QDialog;
  child->setObjectName("child");
  auto* life = new WindowLife(child, app.state, false);
  app.dialogs.onModal("child", [life, saves](QWidget*) {
    if (saves) life->reportRecordSaved();
    life->closeWindow();
  });
  return child;
}

TEST(OpenModal, AModalChildDimsAndRestoresTheOpener) {
  test::TestApp app;
  app.state.FadeEnabled = true;
  QDialog opener;
  WindowLife life(&opener, app.state, false);
  opener.show();
  auto* child = new QDialog(&opener);
  child->setObjectName("child");
  int seenWhileOpen = -1;
  app.dialogs.onModal("child", [&](QWidget*) {
    runUntil([&] { return !life.fade().isRunning(); });
    seenWhileOpen = life.fade().opacity();
  });
  openModal(app.state, &opener, child);
  EXPECT_EQ(seenWhileOpen, 204);
  EXPECT_EQ(life.fade().opacity(), 255);
  EXPECT_TRUE(opener.isEnabled());
}

TEST(OpenModal, SaysWhetherTheChildSavedAndDiscardsIt) {
  test::TestApp app;
  QWidget opener;  // a window without a life is not dimmed
  auto* inside = new QWidget(&opener);
  for (const bool saves : {true, false}) {
    QPointer<QDialog> child = makeChild(app, saves);
    EXPECT_EQ(openModal(app.state, inside, child), saves);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(child.isNull());
  }
}

}  // namespace
}  // namespace vm::ui
