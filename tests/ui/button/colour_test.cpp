// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/colour.h"

#include <gtest/gtest.h>

#include "ui/button/colour_set.h"
#include "ui/button/geometry.h"

namespace vm::ui::button {
namespace {

TEST(ButtonColour, TranslateTakesPlainValuesAsRedGreenBlueAndLooksUpSystemColours) {
  SystemColours system{};
  system[static_cast<int>(SystemColour::ButtonFace)] = Rgb{236, 233, 216};
  EXPECT_EQ(translate(0x00CC8844u, system), (Rgb{0x44, 0x88, 0xCC}));
  EXPECT_EQ(translate(rgb(1, 2, 3), system), (Rgb{1, 2, 3}));
  EXPECT_EQ(translate(0x8000000Fu, system), (Rgb{236, 233, 216}));
  EXPECT_EQ(translate(systemColour(SystemColour::ButtonFace), system), (Rgb{236, 233, 216}));
  EXPECT_EQ(translate(0x80000063u, system), (Rgb{0, 0, 0}));
}

TEST(ButtonColour, ShiftStopsAtTheEndsInsteadOfWrapping) {
  EXPECT_EQ(shift({255, 255, 255}, 47, false), (Rgb{255, 255, 255}));
  EXPECT_EQ(shift({0, 0, 0}, -64, false), (Rgb{0, 0, 0}));
  EXPECT_EQ(shift({250, 10, 128}, 20, false), (Rgb{255, 30, 148}));
  EXPECT_EQ(shift({250, 10, 128}, -20, false), (Rgb{230, 0, 108}));
  EXPECT_EQ(shift({250, 10, 128}, 0, false), (Rgb{250, 10, 128}));
}

TEST(ButtonColour, ShiftKeepingBlueMovesBlueInProportionToItself) {
  EXPECT_EQ(shift({100, 100, 96}, 48, false, true), (Rgb{148, 148, 120}));
  EXPECT_EQ(shift({100, 100, 96}, -48, false, true), (Rgb{52, 52, 72}));
  // -10 × 100 / 192 is -5.2: whole-number division drops the fraction.
  EXPECT_EQ(shift({0, 0, 100}, -10, false, true), (Rgb{0, 0, 95}));
  EXPECT_EQ(shift({0, 0, 250}, 48, false, true), (Rgb{48, 48, 255}));
}

TEST(ButtonColour, SoftBevelHalvesEveryShift) {
  EXPECT_EQ(shift({100, 100, 100}, -48, true), (Rgb{76, 76, 76}));
  EXPECT_EQ(shift({100, 100, 100}, -47, true), (Rgb{77, 77, 77}));
  EXPECT_EQ(shift({100, 100, 96}, -48, true, true), (Rgb{76, 76, 84}));
  EXPECT_EQ(shift({100, 100, 100}, 1, true), (Rgb{100, 100, 100}));
}

TEST(ButtonColour, LightenMovesTowardsWhite) {
  EXPECT_EQ(lighten({0, 0, 128}, 176), (Rgb{176, 176, 215}));
  EXPECT_EQ(lighten({255, 255, 255}, 176), (Rgb{255, 255, 255}));
  EXPECT_EQ(lighten({10, 20, 30}, 0), (Rgb{10, 20, 30}));
}

TEST(ButtonColour, RoundingSendsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(roundedDiv(25, 30), 1);
  EXPECT_EQ(roundedDiv(5, 10), 0);
  EXPECT_EQ(roundedDiv(15, 10), 2);
  EXPECT_EQ(roundedDiv(25, 10), 2);
  EXPECT_EQ(roundedDiv(35, 10), 4);
  EXPECT_EQ(roundedDiv(-15, 10), -2);
  EXPECT_EQ(roundedDiv(580, 30), 19);
}

TEST(ButtonColour, GreyLevelWeighsTheChannels) {
  EXPECT_EQ(greyLevel({30, 60, 160}), 62);
  EXPECT_EQ(greyLevel({100, 150, 200}), 140);  // 140.5 goes to the even neighbour
  EXPECT_EQ(greyLevel({255, 255, 255}), 254);  // near(76.5) is 76
  EXPECT_EQ(greyLevel({0, 0, 0}), 0);
}

ColourInputs ownColours() {
  ColourInputs in;
  in.backColor = rgb(80, 120, 170);
  in.backOver = rgb(110, 150, 200);
  in.foreColor = rgb(255, 255, 255);
  in.foreOver = rgb(255, 255, 160);
  in.maskColor = rgb(192, 192, 192);
  in.colorScheme = 2;
  in.buttonType = kSoftStyle;
  return in;
}

TEST(ButtonColourSet, OwnColoursShadeTheFace) {
  const ColourSet s = computeColourSet(ownColours(), false);
  EXPECT_EQ(s.face, (Rgb{80, 120, 170}));
  EXPECT_EQ(s.faceOver, (Rgb{110, 150, 200}));
  EXPECT_EQ(s.text, (Rgb{255, 255, 255}));
  EXPECT_EQ(s.textOver, (Rgb{255, 255, 160}));
  EXPECT_EQ(s.shadow, (Rgb{16, 56, 106}));
  EXPECT_EQ(s.light, (Rgb{111, 151, 201}));
  EXPECT_EQ(s.highlight, (Rgb{127, 167, 217}));
  EXPECT_EQ(s.darkShadow, (Rgb{0, 0, 0}));
  EXPECT_EQ(s.selection, (Rgb{0, 0, 42}));
  EXPECT_EQ(s.selectionLight, s.face);
  EXPECT_EQ(s.mask, (Rgb{192, 192, 192}));
  EXPECT_EQ(s.accent, (Rgb{128, 168, 218}));
}

TEST(ButtonColourSet, RoundedStyleKeepsTheBlueOfItsAccent) {
  ColourInputs in = ownColours();
  in.buttonType = kRoundedStyle;
  EXPECT_EQ(computeColourSet(in, false).accent, (Rgb{128, 168, 212}));
}

TEST(ButtonColourSet, OwnColoursFollowTheHoverFaceWhileTheMouseIsOver) {
  const ColourSet s = computeColourSet(ownColours(), true);
  EXPECT_EQ(s.face, (Rgb{110, 150, 200}));
  EXPECT_EQ(s.highlight, (Rgb{157, 197, 247}));
  EXPECT_EQ(s.shadow, (Rgb{46, 86, 136}));
  EXPECT_EQ(s.accent, (Rgb{158, 198, 248}));
  EXPECT_EQ(s.text, (Rgb{255, 255, 255}));
}

TEST(ButtonColourSet, SoftBevelHalvesTheDerivedShades) {
  ColourInputs in = ownColours();
  in.softBevel = true;
  const ColourSet s = computeColourSet(in, false);
  EXPECT_EQ(s.shadow, (Rgb{48, 88, 138}));
  EXPECT_EQ(s.highlight, (Rgb{103, 143, 193}));
  EXPECT_EQ(s.accent, (Rgb{104, 144, 194}));
  EXPECT_TRUE(s.softBevel);
}

TEST(ButtonColourSet, FixedSchemeIgnoresTheButtonsColours) {
  ColourInputs in = ownColours();
  in.colorScheme = 3;
  const ColourSet s = computeColourSet(in, true);
  EXPECT_EQ(s.face, (Rgb{192, 192, 192}));
  EXPECT_EQ(s.faceOver, (Rgb{192, 192, 192}));
  EXPECT_EQ(s.text, (Rgb{0, 0, 0}));
  EXPECT_EQ(s.shadow, (Rgb{128, 128, 128}));
  EXPECT_EQ(s.light, (Rgb{223, 223, 223}));
  EXPECT_EQ(s.highlight, (Rgb{255, 255, 255}));
  EXPECT_EQ(s.darkShadow, (Rgb{0, 0, 0}));
  EXPECT_EQ(s.selection, (Rgb{0, 0, 128}));
  EXPECT_EQ(s.selectionLight, (Rgb{173, 173, 209}));
  EXPECT_EQ(s.accent, (Rgb{240, 240, 240}));
}

TEST(ButtonColourSet, ContainerSchemeTakesTheWindowsColours) {
  ColourInputs in = ownColours();
  in.colorScheme = 4;
  in.containerBack = Rgb{200, 200, 180};
  in.containerText = Rgb{0, 0, 64};
  in.system[static_cast<int>(SystemColour::Highlight)] = Rgb{0, 0, 128};
  const ColourSet s = computeColourSet(in, false);
  EXPECT_EQ(s.face, (Rgb{200, 200, 180}));
  EXPECT_EQ(s.faceOver, s.face);
  EXPECT_EQ(s.text, (Rgb{0, 0, 64}));
  EXPECT_EQ(s.textOver, s.text);
  EXPECT_EQ(s.shadow, (Rgb{136, 136, 116}));
  EXPECT_EQ(s.highlight, (Rgb{247, 247, 227}));
  EXPECT_EQ(s.selection, (Rgb{0, 0, 128}));
  EXPECT_EQ(s.selectionLight, (Rgb{176, 176, 215}));
}

TEST(ButtonColourSet, OtherSchemesTakeTheSystemColours) {
  ColourInputs in = ownColours();
  in.colorScheme = 1;
  const auto set = [&in](SystemColour which, Rgb c) { in.system[static_cast<int>(which)] = c; };
  set(SystemColour::ButtonFace, {236, 233, 216});
  set(SystemColour::ButtonText, {0, 0, 0});
  set(SystemColour::ButtonShadow, {172, 168, 153});
  set(SystemColour::Light3D, {241, 239, 226});
  set(SystemColour::ButtonHighlight, {255, 255, 255});
  set(SystemColour::DarkShadow3D, {113, 111, 100});
  set(SystemColour::Highlight, {49, 106, 197});
  const ColourSet s = computeColourSet(in, true);
  EXPECT_EQ(s.face, (Rgb{236, 233, 216}));
  EXPECT_EQ(s.faceOver, s.face);
  EXPECT_EQ(s.text, (Rgb{0, 0, 0}));
  EXPECT_EQ(s.shadow, (Rgb{172, 168, 153}));
  EXPECT_EQ(s.light, (Rgb{241, 239, 226}));
  EXPECT_EQ(s.highlight, (Rgb{255, 255, 255}));
  EXPECT_EQ(s.darkShadow, (Rgb{113, 111, 100}));
  EXPECT_EQ(s.selection, (Rgb{49, 106, 197}));
  EXPECT_EQ(s.selectionLight, lighten({49, 106, 197}, 176));
  EXPECT_EQ(s.accent, (Rgb{255, 255, 255}));
}

}  // namespace
}  // namespace vm::ui::button
