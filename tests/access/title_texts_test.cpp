// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/title_texts.h"

#include <gtest/gtest.h>

using namespace vm::access;

TEST(TitleTexts, VersionPartsOfZeroShowNothing) {
  EXPECT_EQ(versionText(2, 11, 305), "Version w2.11.305");
  EXPECT_EQ(versionText(1, 0, 0), "Version w1..");
  EXPECT_EQ(versionText(1, 2, 0), "Version w1.2.");
}

TEST(TitleTexts, OnlyAScreenNarrowerThan800PixelsIsWarnedAbout) {
  const auto warning = screenResolutionWarning("Verdimark", 640, 480);
  ASSERT_TRUE(warning.has_value());
  EXPECT_EQ(*warning,
            "Verdimark is designed for use on a\n"
            "screen resolution of at least 800x600. \n"
            "\n"
            "Verdimark will not display correctly on\n"
            "your current screen resolution (640x480).\n"
            "\n"
            "You can adjust your screen resolution by\n"
            "right-clicking anywhere on your desktop,\n"
            "select <Properties>, then <Settings>,\n"
            "and then select and accept at least\n"
            "800x600 as your 'Screen Area'.");
  EXPECT_FALSE(screenResolutionWarning("Verdimark", 800, 600).has_value());
  EXPECT_FALSE(screenResolutionWarning("Verdimark", 1024, 480).has_value());
  EXPECT_TRUE(screenResolutionWarning("Verdimark", 799, 1200).has_value());
}
