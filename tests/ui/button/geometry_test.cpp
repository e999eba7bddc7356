// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vm::ui::button {
namespace {

TEST(ButtonGeometry, InnerRectangleShrinksByStyle) {
  EXPECT_EQ(innerRect(kRoundedStyle, 100, 30), (Box{4, 4, 96, 26}));
  EXPECT_EQ(innerRect(kTransparentStyle, 100, 30), (Box{3, 3, 97, 27}));
  EXPECT_EQ(innerRect(kSoftStyle, 100, 30), (Box{6, 6, 96, 26}));
  EXPECT_EQ(innerRect(2, 100, 30), (Box{0, 0, 100, 30}));
}

TEST(ButtonGeometry, RoundedStyleCutsThreePixelsAtEachCorner) {
  const std::vector<Point> cut = shapeCutPixels(kRoundedStyle, 100, 30);
  const std::vector<Point> expected{{0, 0},  {1, 0},  {0, 1},  {98, 0},  {99, 0},  {99, 1},
                                    {0, 29}, {1, 29}, {0, 28}, {98, 29}, {99, 29}, {99, 28}};
  EXPECT_EQ(cut, expected);
}

TEST(ButtonGeometry, SoftStyleCutsTwoOppositeCornersAndOthersNone) {
  EXPECT_EQ(shapeCutPixels(kSoftStyle, 100, 30), (std::vector<Point>{{0, 29}, {99, 0}}));
  EXPECT_TRUE(shapeCutPixels(kTransparentStyle, 100, 30).empty());
  EXPECT_TRUE(shapeCutPixels(0, 100, 30).empty());
}

// A caption always 40 × 15, remembering where it was measured.
struct FixedCaption {
  Box* seen;
  TextSize operator()(const Box& area) const {
    *seen = area;
    return {40, 15};
  }
};

Layout layoutFor(int position, int height, Box* area, bool blank = false) {
  LayoutInput in;
  in.width = 120;
  in.height = height;
  in.picturePosition = position;
  in.pictureWidth = 16;
  in.pictureHeight = 16;
  in.hasPicture = true;
  in.captionBlank = blank;
  return computeLayout(in, FixedCaption{area});
}

TEST(ButtonLayout, PictureLeftOfTheCaption) {
  Box area;
  const Layout l = layoutFor(kPictureLeft, 30, &area);
  EXPECT_EQ(area, (Box{20, 4, 112, 22}));
  EXPECT_EQ(l.textArea, area);
  EXPECT_EQ(l.text, (Box{50, 9, 90, 24}));
  EXPECT_EQ(l.pressedText, (Box{51, 10, 91, 25}));
  EXPECT_EQ(l.picture, (Point{28, 7}));
}

TEST(ButtonLayout, PictureRightOfTheCaption) {
  Box area;
  const Layout l = layoutFor(kPictureRight, 30, &area);
  EXPECT_EQ(area, (Box{4, 4, 96, 22}));
  EXPECT_EQ(l.text, (Box{32, 9, 72, 24}));
  EXPECT_EQ(l.picture, (Point{78, 7}));
}

TEST(ButtonLayout, PictureAboveAndBelowTheCaption) {
  Box area;
  const Layout above = layoutFor(kPictureAbove, 60, &area);
  EXPECT_EQ(area, (Box{4, 20, 112, 52}));
  EXPECT_EQ(above.text, (Box{42, 32, 82, 47}));
  EXPECT_EQ(above.picture, (Point{52, 14}));

  const Layout below = layoutFor(kPictureBelow, 60, &area);
  EXPECT_EQ(area, (Box{4, 4, 112, 36}));
  EXPECT_EQ(below.text, (Box{42, 14, 82, 29}));
  EXPECT_EQ(below.picture, (Point{52, 31}));
}

TEST(ButtonLayout, PictureBehindTheCaptionIsCentred) {
  Box area;
  const Layout l = layoutFor(kPictureBehind, 30, &area);
  EXPECT_EQ(area, (Box{4, 1, 112, 26}));
  EXPECT_EQ(l.text, (Box{42, 8, 82, 23}));
  EXPECT_EQ(l.picture, (Point{52, 7}));
}

TEST(ButtonLayout, BlankCaptionCentresThePictureWhateverItsPosition) {
  Box area;
  for (int position : {kPictureLeft, kPictureRight, kPictureAbove, kPictureBelow}) {
    EXPECT_EQ(layoutFor(position, 30, &area, true).picture, (Point{52, 7})) << position;
  }
}

TEST(ButtonLayout, WithoutPictureTheCaptionIsCentredInTheWholeButton) {
  Box area;
  LayoutInput in;
  in.width = 100;
  in.height = 30;
  const Layout l = computeLayout(in, FixedCaption{&area});
  EXPECT_EQ(area, (Box{4, 4, 92, 22}));
  EXPECT_EQ(l.text, (Box{32, 9, 72, 24}));
  EXPECT_EQ(l.pictureWidth, 0);
  EXPECT_EQ(l.picture, (Point{0, 0}));
}

TEST(ButtonLayout, UnknownPositionsPlaceTheCaptionAsOverAPictureBehindIt) {
  Box area;
  EXPECT_EQ(layoutFor(9, 30, &area).picture, (Point{52, 7}));
  EXPECT_EQ(area, (Box{4, 1, 112, 26}));
}

}  // namespace
}  // namespace vm::ui::button
