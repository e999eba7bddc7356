// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/access_key.h"

#include <gtest/gtest.h>

namespace vm::ui::button {
namespace {

TEST(ButtonAccessKey, TheCharacterAfterTheFirstSingleAmpersandInLowerCase) {
  EXPECT_EQ(accessKeyOf("&Add User"), QChar('a'));
  EXPECT_EQ(accessKeyOf("Edit the '&User List'"), QChar('u'));
  EXPECT_EQ(accessKeyOf("E&xit"), QChar('x'));
  EXPECT_EQ(accessKeyOf("&Save &Now"), QChar('s'));
}

TEST(ButtonAccessKey, ADoubledAmpersandIsLiteral) {
  EXPECT_TRUE(accessKeyOf("Save && Exit").isNull());
  EXPECT_EQ(accessKeyOf("Save && &Exit"), QChar('e'));
  EXPECT_EQ(accessKeyOf("&&&x"), QChar('x'));
  // Only the marker right after the first pair counts; a second pair ends the search.
  EXPECT_TRUE(accessKeyOf("a&&b&&c&d").isNull());
}

TEST(ButtonAccessKey, ShortCaptionsAndATrailingAmpersandHaveNone) {
  EXPECT_TRUE(accessKeyOf("").isNull());
  EXPECT_TRUE(accessKeyOf("&").isNull());
  EXPECT_TRUE(accessKeyOf("Save&").isNull());
  EXPECT_TRUE(accessKeyOf("Save").isNull());
  EXPECT_TRUE(accessKeyOf("Save &&").isNull());
}

TEST(ButtonAccessKey, ReadableCaptionDropsMarkersAndKeepsLiteralAmpersands) {
  EXPECT_EQ(readableCaption("&Add User"), "Add User");
  EXPECT_EQ(readableCaption("Save && Exit"), "Save & Exit");
  EXPECT_EQ(readableCaption("a&&&b"), "a&b");
  EXPECT_EQ(readableCaption("Finished with this\nSearch/Summary"),
            "Finished with this\nSearch/Summary");
  EXPECT_EQ(readableCaption("Save&"), "Save");
}

}  // namespace
}  // namespace vm::ui::button
