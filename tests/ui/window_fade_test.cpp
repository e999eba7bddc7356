// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_fade.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "support/temp_folder.h"
#include "ui/settings.h"

using vm::ui::WindowFade;

namespace {

// Runs a fade to its end one tick at a time and returns the opacities it showed.
std::vector<int> ticks(WindowFade& fade) {
  std::vector<int> seen;
  while (fade.isRunning() && seen.size() < 1000) {
    fade.tick();
    seen.push_back(fade.opacity());
  }
  return seen;
}

}  // namespace

TEST(WindowFade, FadingInShowsTwentyStepsAndEndsExactlyAtFullOpacity) {
  QWidget w;
  WindowFade fade(&w, true);
  fade.fadeIn();
  const auto seen = ticks(fade);
  ASSERT_EQ(seen.size(), 13u);
  EXPECT_EQ(seen.front(), 20);
  EXPECT_EQ(seen[11], 240);
  EXPECT_EQ(seen.back(), 255);
  EXPECT_TRUE(w.isEnabled());
}

TEST(WindowFade, DimmingAndUndimmingReturnToFullOpacityAndEnableTheWindow) {
  QWidget w;
  WindowFade fade(&w, true);
  fade.dim();
  EXPECT_EQ(ticks(fade).size(), 26u);
  EXPECT_EQ(fade.opacity(), 204);
  fade.undim();
  ticks(fade);
  EXPECT_EQ(fade.opacity(), 255);
  EXPECT_TRUE(w.isEnabled());
}

TEST(WindowFade, AFadeOutWithCloseAfterDisablesAtOnceAndFinishesAtZero) {
  QWidget w;
  WindowFade fade(&w, true);
  int finished = 0;
  QObject::connect(&fade, &WindowFade::finished, [&] { ++finished; });
  fade.fadeOut();
  fade.tick();
  EXPECT_FALSE(w.isEnabled());
  EXPECT_EQ(finished, 0);
  ticks(fade);
  EXPECT_EQ(fade.opacity(), 0);
  EXPECT_EQ(finished, 1);
  EXPECT_FALSE(w.isEnabled());  // the end action is the window's
}

TEST(WindowFade, AFadeWhoseStartIsItsEndEndsOnTheFirstTick) {
  QWidget w;
  WindowFade fade(&w, true);
  fade.start(128, 128, 20, false);
  EXPECT_EQ(ticks(fade), std::vector<int>{128});
}

TEST(WindowFade, PreparingObeysTheSettingAndThePlatform) {
  vm::test::TempFolder folder;
  vm::ui::Settings settings(QString::fromStdString((folder / "s.ini").string()));
  QWidget w;
  WindowFade able(&w, true);
  WindowFade unable(&w, false);
  EXPECT_FALSE(able.prepare(settings, 0));  // missing counts as 0
  EXPECT_TRUE(able.prepare(settings, 0, true));
  EXPECT_FALSE(unable.prepare(settings, 0, true));
  settings.setValue("FadeStatus", "1");
  EXPECT_TRUE(able.prepare(settings, 0));
  EXPECT_EQ(able.opacity(), 0);
  settings.setValue("FadeStatus", "0");
  EXPECT_FALSE(able.prepare(settings, 0));
  EXPECT_FALSE(WindowFade::platformSupportsOpacity());  // the tests' offscreen platform
}
