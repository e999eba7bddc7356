// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_life.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>

#include "support/test_app.h"

using vm::ui::WindowLife;

namespace {

void runUntil(const std::function<bool()>& done) { EXPECT_TRUE(QTest::qWaitFor(done, 3000)); }

}  // namespace

TEST(WindowLife, LoadingObeysTheFadeSettingForTheWindowsThatFollow) {
  vm::test::TestApp app;
  app.state.FadeEnabled = true;
  QDialog window;
  WindowLife life(&window, app.state);
  EXPECT_FALSE(app.state.FadeEnabled);  // no setting stored, and no translucency offscreen
}

TEST(WindowLife, TheSetUpRunsOnceAtTheFirstActivation) {
  vm::test::TestApp app;
  QDialog window;
  WindowLife life(&window, app.state);
  int setUps = 0;
  life.onFirstActivation([&] { ++setUps; });
  EXPECT_FALSE(life.activated());
  window.show();
  runUntil([&] { return setUps > 0; });
  window.hide();
  window.show();
  QApplication::processEvents();
  EXPECT_EQ(setUps, 1);
  EXPECT_TRUE(life.activated());
}

TEST(WindowLife, ClosingRunsTheEndActionAtOnceOrAtTheEndOfTheFadeOut) {
  vm::test::TestApp app;
  QDialog window;
  WindowLife life(&window, app.state);
  window.show();
  int ended = 0;
  life.closeWindow([&] { ++ended; });
  EXPECT_EQ(ended, 1);

  app.state.FadeEnabled = true;
  life.closeWindow([&] { ++ended; });
  EXPECT_EQ(ended, 1);
  EXPECT_TRUE(life.fade().isRunning());
  runUntil([&] { return ended == 2; });
  EXPECT_EQ(ended, 2);
  EXPECT_EQ(life.fade().opacity(), 0);

  life.closeWindow();  // no end action: the window closes
  runUntil([&] { return !window.isVisible(); });
  EXPECT_FALSE(window.isVisible());
}
