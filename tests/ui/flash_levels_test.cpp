#include "ui/flash_levels.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(FlashLevels, TextAndBackgroundSwingInOppositeDirectionsBetweenTheirBounds) {
  vm::ui::FlashLevels flash;
  flash.tick();
  EXPECT_EQ(flash.text, 4);
  EXPECT_EQ(flash.background, 244);
  int lowText = 255, highText = 0, lowBack = 255, highBack = 0;
  for (int i = 0; i < 500; ++i) {
    flash.tick();
    lowText = std::min(lowText, flash.text);
    highText = std::max(highText, flash.text);
    lowBack = std::min(lowBack, flash.background);
    highBack = std::max(highBack, flash.background);
  }
  EXPECT_EQ(lowText, 4);
  EXPECT_EQ(highText, 252);
  EXPECT_EQ(lowBack, 0);
  EXPECT_EQ(highBack, 250);
}
