// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace vm::ui::button {

// A stored colour value: red + 256 × green + 65536 × blue; with the top bit set it names a
// system colour by its index in the low byte instead.
using ColourRef = std::uint32_t;

constexpr ColourRef kSystemColourBit = 0x80000000u;

// Indices of the system colours that stored values may name.
enum class SystemColour : int {
  ScrollBar = 0,
  Desktop = 1,
  ActiveCaption = 2,
  InactiveCaption = 3,
  Menu = 4,
  Window = 5,
  WindowFrame = 6,
  MenuText = 7,
  WindowText = 8,
  CaptionText = 9,
  ActiveBorder = 10,
  InactiveBorder = 11,
  AppWorkspace = 12,
  Highlight = 13,
  HighlightText = 14,
  ButtonFace = 15,
  ButtonShadow = 16,
  GrayText = 17,
  ButtonText = 18,
  InactiveCaptionText = 19,
  ButtonHighlight = 20,
  DarkShadow3D = 21,
  Light3D = 22,
  InfoText = 23,
  InfoBackground = 24,
};
constexpr int kSystemColourCount = 25;

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr ColourRef rgb(int red, int green, int blue) {
  return static_cast<ColourRef>(red) | static_cast<ColourRef>(green) << 8 |
         static_cast<ColourRef>(blue) << 16;
}
constexpr ColourRef systemColour(SystemColour which) {
  return kSystemColourBit | static_cast<ColourRef>(which);
}
constexpr ColourRef toColourRef(Rgb c) { return rgb(c.red, c.green, c.blue); }

// The system colours in force, by index; filled from the toolkit's palette.
using SystemColours = std::array<Rgb, kSystemColourCount>;

// A system-colour reference becomes the current system colour (black for an unknown
// index); any other value is taken as red, green and blue.
Rgb translate(ColourRef c, const SystemColours& system);

// Moves every channel by d (blue by d × blue / 192 when keepBlue), halving d first under
// soft bevel; results stop at 0 and 255 instead of wrapping.
Rgb shift(Rgb c, int d, bool softBevel, bool keepBlue = false);

// Each channel x becomes k + x × (255 - k) / 255.
Rgb lighten(Rgb c, int k);

// num / den rounded to the nearest integer, halves to the even neighbour; den > 0.
int roundedDiv(int num, int den);

// The grey level a picture pixel takes in a greyscale picture.
int greyLevel(Rgb c);

}  // namespace vm::ui::button
