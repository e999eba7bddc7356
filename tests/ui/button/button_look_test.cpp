// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/button_look.h"

#include <gtest/gtest.h>

#include "ui/button/button_host.h"

namespace vm::ui::button {
namespace {

// A 100 × 30 button in its own blue colours, drawn straight from its inputs.
struct Sample {
  explicit Sample(int style, int w = 100, int h = 30) : width(w), height(h) {
    colours.backColor = rgb(80, 120, 170);
    colours.backOver = rgb(110, 150, 200);
    colours.foreColor = rgb(0, 0, 0);
    colours.foreOver = rgb(255, 255, 160);
    colours.maskColor = rgb(192, 192, 192);
    colours.buttonType = style;
    in.style = style;
    in.font.setPixelSize(12);
  }

  QImage draw() {
    in.colours = computeColourSet(colours, in.mouseOver);
    in.inner = innerRect(in.style, width, height);
    LayoutInput l;
    l.width = width;
    l.height = height;
    l.picturePosition = in.picturePosition;
    l.hasPicture = !in.pictureNormal.isNull();
    l.pictureWidth = in.pictureNormal.width();
    l.pictureHeight = in.pictureNormal.height();
    l.captionBlank = in.caption.trimmed().isEmpty();
    const QString caption = in.caption;
    const QFont font = in.font;
    in.layout = computeLayout(
        l, [&caption, &font](const Box& a) { return measureCaption(caption, font, a); });
    return renderLook(in, width, height);
  }

  int width;
  int height;
  ColourInputs colours;
  LookInput in;
};

Rgb at(const QImage& img, int x, int y) {
  const QRgb p = img.pixel(x, y);
  return Rgb{qRed(p), qGreen(p), qBlue(p)};
}

bool transparentAt(const QImage& img, int x, int y) { return qAlpha(img.pixel(x, y)) == 0; }

int countOf(const QImage& img, Rgb c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      n += !transparentAt(img, x, y) && at(img, x, y) == c ? 1 : 0;
    }
  }
  return n;
}

// ---- style 3 --------------------------------------------------------------------------

TEST(RoundedLook, NormalShadesTheFaceAndDrawsPlainEdges) {
  const QImage img = Sample(kRoundedStyle).draw();   // accent 128, 168, 212
  EXPECT_EQ(at(img, 50, 10), (Rgb{120, 160, 204}));  // row 10: 25 × 10 / 30 rounds to 8
  EXPECT_EQ(at(img, 50, 20), (Rgb{111, 151, 194}));  // row 20: 17 darker
  EXPECT_EQ(at(img, 50, 0), (Rgb{0, 60, 115}));
  EXPECT_EQ(at(img, 0, 15), (Rgb{0, 60, 115}));
  EXPECT_EQ(at(img, 99, 15), (Rgb{0, 60, 115}));
  EXPECT_EQ(at(img, 50, 29), (Rgb{0, 60, 115}));
  for (auto [x, y] : {std::pair{1, 1}, {1, 28}, {98, 1}, {98, 28}}) {
    EXPECT_EQ(at(img, x, y), (Rgb{16, 77, 123})) << x << "," << y;
  }
  EXPECT_EQ(at(img, 50, 28), (Rgb{80, 120, 159}));   // bottom edge, 48 darker
  EXPECT_EQ(at(img, 50, 27), (Rgb{96, 136, 177}));   // 32 darker
  EXPECT_EQ(at(img, 98, 15), (Rgb{92, 132, 173}));   // right edge, 36 darker
  EXPECT_EQ(at(img, 97, 15), (Rgb{104, 144, 186}));  // 24 darker
  EXPECT_EQ(at(img, 50, 1), (Rgb{144, 184, 229}));   // top edge, 16 lighter
  EXPECT_EQ(at(img, 50, 2), (Rgb{138, 178, 223}));   // 10 lighter
  EXPECT_EQ(at(img, 1, 15), (Rgb{123, 163, 207}));   // left edge, 5 darker
  EXPECT_EQ(at(img, 2, 15), (Rgb{118, 158, 201}));   // 10 darker
}

TEST(RoundedLook, ShapeLeavesOutThreePixelsAtEachCorner) {
  const QImage img = Sample(kRoundedStyle).draw();
  for (auto [x, y] : {std::pair{0, 0},
                      {1, 0},
                      {0, 1},
                      {98, 0},
                      {99, 0},
                      {99, 1},
                      {0, 29},
                      {1, 29},
                      {0, 28},
                      {98, 29},
                      {99, 29},
                      {99, 28}}) {
    EXPECT_TRUE(transparentAt(img, x, y)) << x << "," << y;
  }
  EXPECT_FALSE(transparentAt(img, 2, 0));
  EXPECT_FALSE(transparentAt(img, 1, 1));
}

TEST(RoundedLook, HoverLightsTheEdgesOrangeOnTheHoverFace) {
  Sample s(kRoundedStyle);
  s.in.mouseOver = true;
  const QImage img = s.draw();  // hover accent 158, 198, 250
  EXPECT_EQ(at(img, 50, 10), (Rgb{150, 190, 240}));
  EXPECT_EQ(at(img, 1, 15), (Rgb{255, 178, 49}));
  EXPECT_EQ(at(img, 98, 15), (Rgb{255, 178, 49}));
  EXPECT_EQ(at(img, 50, 27), (Rgb{255, 178, 49}));
  EXPECT_EQ(at(img, 50, 28), (Rgb{231, 150, 0}));
  EXPECT_EQ(at(img, 50, 1), (Rgb{255, 243, 206}));
  EXPECT_EQ(at(img, 50, 2), (Rgb{255, 219, 140}));
  EXPECT_EQ(at(img, 2, 15), (Rgb{255, 203, 107}));
  EXPECT_EQ(at(img, 97, 15), (Rgb{255, 203, 107}));
  EXPECT_EQ(at(img, 1, 1), (Rgb{16, 77, 123}));
}

TEST(RoundedLook, FocusOrDefaultLightsTheEdgesBlueUnlessTheFocusRectIsOff) {
  Sample focused(kRoundedStyle);
  focused.in.hasFocus = true;
  Sample asDefault(kRoundedStyle);
  asDefault.in.isDefault = true;
  for (const QImage& img : {focused.draw(), asDefault.draw()}) {
    EXPECT_EQ(at(img, 1, 15), (Rgb{140, 174, 231}));
    EXPECT_EQ(at(img, 50, 28), (Rgb{107, 130, 239}));
    EXPECT_EQ(at(img, 50, 1), (Rgb{206, 231, 255}));
    EXPECT_EQ(at(img, 50, 2), (Rgb{189, 215, 247}));
    EXPECT_EQ(at(img, 2, 15), (Rgb{181, 209, 240}));
  }
  focused.in.showFocusRect = false;
  EXPECT_EQ(at(focused.draw(), 50, 28), (Rgb{80, 120, 159}));
}

TEST(RoundedLook, PressedShadesUpwardsFromADarkerBase) {
  Sample s(kRoundedStyle);
  s.in.pressed = true;
  const QImage img = s.draw();                      // base 96, 136, 177
  EXPECT_EQ(at(img, 50, 10), (Rgb{79, 119, 162}));  // row 10 is step 20: 17 darker
  EXPECT_EQ(at(img, 50, 0), (Rgb{0, 60, 115}));
  EXPECT_EQ(at(img, 1, 1), (Rgb{16, 77, 123}));
  EXPECT_EQ(at(img, 50, 28), (Rgb{112, 152, 191}));  // bottom, 16 lighter than base
  EXPECT_EQ(at(img, 50, 27), (Rgb{106, 146, 186}));
  EXPECT_EQ(at(img, 98, 15), (Rgb{101, 141, 181}));
  EXPECT_EQ(at(img, 97, 15), (Rgb{128, 168, 212}));  // the accent itself
  EXPECT_EQ(at(img, 50, 1), (Rgb{64, 104, 148}));
  EXPECT_EQ(at(img, 50, 2), (Rgb{72, 112, 155}));
  EXPECT_EQ(at(img, 1, 15), (Rgb{64, 104, 148}));
  EXPECT_EQ(at(img, 2, 15), (Rgb{74, 114, 157}));
}

TEST(RoundedLook, DisabledIsAFlatDarkerFaceWithAGreyedCaption) {
  Sample s(kRoundedStyle);
  s.in.enabled = false;
  s.in.pressed = true;  // greyed whatever the state
  s.in.caption = "IIII";
  s.in.font.setPixelSize(20);
  const QImage img = s.draw();
  EXPECT_EQ(at(img, 5, 5), (Rgb{104, 144, 186}));
  EXPECT_EQ(at(img, 50, 0), (Rgb{44, 84, 120}));
  EXPECT_EQ(at(img, 1, 1), (Rgb{56, 96, 133}));
  EXPECT_EQ(at(img, 98, 28), (Rgb{56, 96, 133}));
  EXPECT_GT(countOf(img, Rgb{24, 64, 98}), 10);  // the caption, 104 darker than the accent
}

TEST(RoundedLook, SoftBevelHalvesTheEdgeShades) {
  Sample s(kRoundedStyle);
  s.colours.softBevel = true;
  const QImage img = s.draw();                      // accent 104, 144, 191
  EXPECT_EQ(at(img, 50, 28), (Rgb{80, 120, 168}));  // 24 darker instead of 48
  EXPECT_EQ(at(img, 50, 1), (Rgb{112, 152, 198}));
}

// ---- style 14 -------------------------------------------------------------------------

TEST(SoftLook, NormalIsAGradientFromTheHighlightWithALightBevel) {
  const QImage img = Sample(kSoftStyle).draw();      // highlight 127, 167, 217
  EXPECT_EQ(at(img, 50, 10), (Rgb{108, 148, 198}));  // 58 × 10 / 30 rounds to 19
  EXPECT_EQ(at(img, 50, 20), (Rgb{88, 128, 178}));
  EXPECT_EQ(at(img, 50, 0), (Rgb{0, 6, 56}));  // shadow - 50
  EXPECT_EQ(at(img, 0, 15), (Rgb{0, 6, 56}));
  EXPECT_EQ(at(img, 50, 29), (Rgb{0, 6, 56}));
  EXPECT_EQ(at(img, 50, 1), (Rgb{71, 111, 161}));  // face - 9
  EXPECT_EQ(at(img, 98, 15), (Rgb{71, 111, 161}));
  EXPECT_EQ(at(img, 50, 28), (Rgb{71, 111, 161}));
  EXPECT_EQ(at(img, 50, 2), (Rgb{127, 167, 217}));
  EXPECT_EQ(at(img, 50, 3), (Rgb{127, 167, 217}));
  EXPECT_EQ(at(img, 2, 15), (Rgb{127, 167, 217}));
  EXPECT_EQ(at(img, 3, 15), (Rgb{127, 167, 217}));
  EXPECT_TRUE(transparentAt(img, 0, 29));
  EXPECT_TRUE(transparentAt(img, 99, 0));
  EXPECT_FALSE(transparentAt(img, 0, 0));
}

TEST(SoftLook, HoverFillsWithTheLightFaceAndItsEdgesFollowTheHoverFace) {
  Sample s(kSoftStyle);
  s.in.mouseOver = true;
  const QImage img = s.draw();
  EXPECT_EQ(at(img, 50, 10), (Rgb{141, 181, 231}));
  EXPECT_EQ(at(img, 50, 1), (Rgb{101, 141, 191}));
  EXPECT_EQ(at(img, 50, 0), (Rgb{0, 36, 86}));
  EXPECT_EQ(at(img, 2, 15), (Rgb{157, 197, 247}));
}

TEST(SoftLook, PressedIsFlatWithAHighlightOnTheBottomAndRight) {
  Sample s(kSoftStyle);
  s.in.pressed = true;
  const QImage img = s.draw();
  EXPECT_EQ(at(img, 50, 10), (Rgb{71, 111, 161}));
  EXPECT_EQ(at(img, 1, 15), (Rgb{71, 111, 161}));
  EXPECT_EQ(at(img, 50, 0), (Rgb{0, 8, 58}));
  EXPECT_EQ(at(img, 50, 28), (Rgb{127, 167, 217}));
  EXPECT_EQ(at(img, 98, 15), (Rgb{127, 167, 217}));
  EXPECT_EQ(at(img, 98, 28), (Rgb{127, 167, 217}));
}

TEST(SoftLook, DisabledCaptionIsEmbossed) {
  Sample s(kSoftStyle, 120, 40);
  s.in.enabled = false;
  s.in.caption = "HIH";
  s.in.font.setPixelSize(24);
  s.in.font.setBold(true);
  const QImage img = s.draw();
  const Rgb shadow{16, 56, 106};
  const Rgb highlight{127, 167, 217};
  EXPECT_EQ(countOf(img, Rgb{0, 0, 0}), 0);  // never in the caption colour
  int embossed = 0;
  int shadowPixels = 0;
  for (int y = 5; y < 35; ++y) {
    for (int x = 5; x < 115; ++x) {
      if (at(img, x, y) != shadow) continue;
      ++shadowPixels;
      // Where the caption's stroke ends, its highlight copy shows one pixel down and right.
      if (at(img, x + 1, y + 1) == highlight && at(img, x + 1, y) != shadow) ++embossed;
    }
  }
  EXPECT_GT(shadowPixels, 30);
  EXPECT_GT(embossed, 5);
}

TEST(SoftLook, FocusRectangleDotsTheInnerRectangle) {
  Sample s(kSoftStyle);
  s.in.hasFocus = true;
  const QImage img = s.draw();  // inner rectangle 6, 6, 96, 26; row 6 is 12 below highlight
  EXPECT_EQ(at(img, 51, 6), (Rgb{140, 100, 50}));   // inverted
  EXPECT_EQ(at(img, 50, 6), (Rgb{115, 155, 205}));  // combined with black text: unchanged
  s.in.showFocusRect = false;
  EXPECT_EQ(at(s.draw(), 51, 6), (Rgb{115, 155, 205}));
}

TEST(SoftLook, DefaultButtonDrawsItsCaptionBold) {
  Sample plain(kSoftStyle);
  plain.in.caption = "Save";
  Sample bold(kSoftStyle);
  bold.in.caption = "Save";
  bold.in.isDefault = true;
  EXPECT_GT(countOf(bold.draw(), Rgb{0, 0, 0}), countOf(plain.draw(), Rgb{0, 0, 0}));
}

TEST(SoftLook, CaptionEffectsShadowTheCaption) {
  Sample s(kSoftStyle, 120, 40);
  s.in.caption = "HIH";
  s.in.font.setPixelSize(24);
  s.in.specialEffect = 3;  // one shadow, 40 darker than the accent
  const QImage one = s.draw();
  EXPECT_GT(countOf(one, Rgb{88, 128, 178}), 5);
  EXPECT_EQ(countOf(one, Rgb{168, 208, 255}), 0);
  s.in.specialEffect = 1;  // and a light copy up and left
  EXPECT_GT(countOf(s.draw(), Rgb{168, 208, 255}), 5);
}

// ---- style 11 -------------------------------------------------------------------------

QImage stripes(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) img.setPixel(x, y, x % 2 ? qRgb(10, 200, 30) : qRgb(200, 20, 90));
  }
  return img;
}

TEST(TransparentLook, ShowsTheWindowBehindIt) {
  Sample s(kTransparentStyle);
  s.in.background = stripes(100, 30);
  const QImage img = s.draw();
  EXPECT_EQ(at(img, 0, 0), (Rgb{200, 20, 90}));
  EXPECT_EQ(at(img, 1, 0), (Rgb{10, 200, 30}));
  EXPECT_EQ(at(img, 99, 29), (Rgb{10, 200, 30}));
  EXPECT_FALSE(transparentAt(img, 0, 0));
}

TEST(TransparentLook, HoverRaisesAndPressSinksAOnePixelFrame) {
  Sample s(kTransparentStyle);
  s.in.background = stripes(100, 30);
  s.in.mouseOver = true;
  const QImage hover = s.draw();  // hover face: highlight 157, 197, 247, shadow 46, 86, 136
  EXPECT_EQ(at(hover, 50, 0), (Rgb{157, 197, 247}));
  EXPECT_EQ(at(hover, 0, 15), (Rgb{157, 197, 247}));
  EXPECT_EQ(at(hover, 50, 29), (Rgb{46, 86, 136}));
  EXPECT_EQ(at(hover, 99, 15), (Rgb{46, 86, 136}));
  EXPECT_EQ(at(hover, 99, 0), (Rgb{46, 86, 136}));
  EXPECT_EQ(at(hover, 50, 10), (Rgb{200, 20, 90}));

  s.in.mouseOver = false;
  s.in.pressed = true;
  const QImage pressed = s.draw();
  EXPECT_EQ(at(pressed, 50, 0), (Rgb{16, 56, 106}));
  EXPECT_EQ(at(pressed, 0, 15), (Rgb{16, 56, 106}));
  EXPECT_EQ(at(pressed, 50, 29), (Rgb{127, 167, 217}));
  EXPECT_EQ(at(pressed, 99, 0), (Rgb{127, 167, 217}));
  s.in.pressed = false;
  EXPECT_EQ(at(s.draw(), 50, 0), (Rgb{200, 20, 90}));
}

// ---- other styles ---------------------------------------------------------------------

TEST(OtherLooks, OnlyTheFaceAndThePicture) {
  Sample s(2);
  s.in.caption = "Save";
  s.in.hasFocus = true;
  const QImage img = s.draw();
  EXPECT_EQ(countOf(img, Rgb{80, 120, 170}), 100 * 30);
  s.in.pictureNormal = testing::samplePicture();
  EXPECT_EQ(countOf(s.draw(), Rgb{30, 60, 160}),
            countOf(s.in.pictureNormal.convertToFormat(QImage::Format_RGB32), Rgb{30, 60, 160}));
}

// ---- pictures -------------------------------------------------------------------------

// The sample picture alone on a soft button sits centred at 42, 7: its disc is blue
// (30, 60, 160) with a white bar, its corners the mask colour.
TEST(PictureLook, MaskColourLetsTheFaceThroughUnlessTurnedOff) {
  Sample s(kSoftStyle);
  s.in.pictureNormal = testing::samplePicture();
  const QImage img = s.draw();
  EXPECT_EQ(at(img, 42 + 8, 7 + 2), (Rgb{30, 60, 160}));
  EXPECT_EQ(at(img, 42 + 8, 7 + 5), (Rgb{255, 255, 255}));
  EXPECT_EQ(at(img, 42, 7), (Rgb{113, 153, 203}));  // the face's row 7
  s.in.useMaskColor = false;
  EXPECT_EQ(at(s.draw(), 42, 7), (Rgb{192, 192, 192}));
}

TEST(PictureLook, GreyscaleHoverAndPressedPictures) {
  Sample s(kSoftStyle);
  s.in.pictureNormal = testing::samplePicture();
  s.in.useGreyscale = true;
  EXPECT_EQ(at(s.draw(), 50, 9), (Rgb{62, 62, 62}));

  s.in.mouseOver = true;  // in colour under the mouse, the hover picture when there is one
  EXPECT_EQ(at(s.draw(), 50, 9), (Rgb{30, 60, 160}));
  QImage over = testing::samplePicture();
  over.fill(qRgb(200, 0, 0));
  s.in.pictureOver = over;
  EXPECT_EQ(at(s.draw(), 42, 7), (Rgb{200, 0, 0}));

  s.in.mouseOver = false;
  s.in.pressed = true;  // pressed: moved one pixel down and right
  const QImage pressed = s.draw();
  EXPECT_EQ(at(pressed, 43, 8), (Rgb{200, 0, 0}));
  EXPECT_NE(at(pressed, 42, 7), (Rgb{200, 0, 0}));
}

TEST(PictureLook, DisabledPicturesAreGreyOnRoundedAndEmbossedElsewhere) {
  Sample rounded(kRoundedStyle);
  rounded.in.pictureNormal = testing::samplePicture();
  rounded.in.enabled = false;
  EXPECT_EQ(at(rounded.draw(), 51, 10), (Rgb{62, 62, 62}));

  Sample soft(kSoftStyle);
  soft.in.pictureNormal = testing::samplePicture();
  soft.in.enabled = false;
  const QImage img = soft.draw();
  EXPECT_EQ(at(img, 50, 9), (Rgb{16, 56, 106}));     // dark pixels in shadow
  EXPECT_EQ(at(img, 49, 11), (Rgb{127, 167, 217}));  // under the light bar: the highlight copy
}

TEST(PictureLook, PictureEffectDrawsASilhouetteBelowAndRight) {
  Sample s(kSoftStyle);
  s.in.pictureNormal = testing::samplePicture();
  s.in.specialEffect = 3;
  // Picture pixel 13, 13 is mask colour and 12, 12 is in the disc: the silhouette shows.
  EXPECT_EQ(at(s.draw(), 42 + 13, 7 + 13), (Rgb{40, 80, 130}));
}

TEST(PictureLook, IconsAreTransparentByTheirOwnAlpha) {
  Sample s(kSoftStyle);
  QImage icon(16, 16, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  icon.setPixel(0, 0, qRgba(192, 192, 192, 255));
  icon.setPixel(1, 0, qRgba(255, 0, 0, 255));
  s.in.pictureNormal = icon;
  const QImage img = s.draw();
  EXPECT_EQ(at(img, 42, 7), (Rgb{192, 192, 192}));
  EXPECT_EQ(at(img, 43, 7), (Rgb{255, 0, 0}));
  EXPECT_EQ(at(img, 44, 7), (Rgb{113, 153, 203}));
}

// ---- captions -------------------------------------------------------------------------

// The caption's extent: the box around every pixel not of the background colour.
QRect inkBox(const QImage& img, Rgb background) {
  QRect box;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      if (at(img, x, y) != background) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST(CaptionLook, SeveralWordsInANarrowButtonWrapCentredBothWays) {
  Sample s(2, 70, 80);  // a plain face so that only the caption draws
  s.in.caption = "Edit the User List";
  s.in.pictureNormal = QImage();
  const TextSize oneLine = measureCaption("Edit", s.in.font, Box{0, 0, 1000, 0});
  s.draw();
  EXPECT_GE(s.in.layout.text.height(), 2 * oneLine.height);
  const Box t = s.in.layout.text;
  // Centred on the button shifted by the text area's margins: free space split evenly.
  EXPECT_NEAR(t.left - 4, 70 - t.right, 1);
  EXPECT_NEAR(t.top - 4, 80 - t.bottom, 1);
}

TEST(CaptionLook, TheCaptionIsDrawnWithinItsRectangle) {
  Sample s(kRoundedStyle, 70, 80);
  s.colours.buttonType = 2;
  s.in.style = 2;
  s.in.caption = "Edit the User List";
  s.draw();
  s.in.style = kSoftStyle;
  s.colours.buttonType = kSoftStyle;
  s.in.pressed = true;  // a flat face
  s.colours.softBevel = false;
  const QImage img = s.draw();
  const QRect ink = inkBox(img.copy(2, 2, 66, 76), Rgb{71, 111, 161}).translated(2, 2);
  const Box t = s.in.layout.text;
  EXPECT_GE(ink.left(), t.left - 1);
  EXPECT_LE(ink.right(), t.right + 2);
  EXPECT_GE(ink.top(), t.top - 1);
  EXPECT_LE(ink.bottom(), t.bottom + 2);
  EXPECT_GT(ink.height(), t.height() / 2);
}

}  // namespace
}  // namespace vm::ui::button
