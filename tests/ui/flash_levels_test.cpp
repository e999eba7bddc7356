// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/flash_levels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using vm::ui::FlashLevels;

TEST(FlashLevels, CaptionAndFaceSwingOppositeWaysBetweenBlackAndYellow) {
  FlashLevels f;
  f.tick();
  int lowText = 255, highText = 0, lowBack = 255, highBack = 0;
  for (int i = 0; i < 500; ++i) {
    const int text = f.text, back = f.background;
    f.tick();
    EXPECT_EQ(std::abs(f.text - text), 4);
    EXPECT_NE(f.text > text, f.background > back);
    lowText = std::min(lowText, f.text);
    highText = std::max(highText, f.text);
    lowBack = std::min(lowBack, f.background);
    highBack = std::max(highBack, f.background);
  }
  EXPECT_EQ(lowText, 4);
  EXPECT_EQ(highText, 252);
  EXPECT_EQ(lowBack, 0);
  EXPECT_EQ(highBack, 250);
}
