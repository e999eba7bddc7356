// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/button/colour.h"

namespace vm::ui::button {

// The colours one paint of a button uses, derived from its colour scheme.
struct ColourSet {
  Rgb face;
  Rgb faceOver;
  Rgb text;
  Rgb textOver;
  Rgb light;
  Rgb highlight;
  Rgb shadow;
  Rgb darkShadow;
  Rgb selection;
  Rgb selectionLight;
  Rgb mask;
  Rgb accent;
  bool softBevel = false;  // every further shade of these colours is halved too

  Rgb shade(Rgb c, int d, bool keepBlue = false) const { return shift(c, d, softBevel, keepBlue); }
  friend bool operator==(const ColourSet&, const ColourSet&) = default;
};

// Colour schemes: 2 takes the button's own colours, 3 a fixed grey set, 4 the container's
// colours; any other value the system colours.
enum ColourScheme { kOwnColours = 2, kFixedColours = 3, kContainerColours = 4 };

struct ColourInputs {
  ColourRef backColor = 0;
  ColourRef backOver = 0;
  ColourRef foreColor = 0;
  ColourRef foreOver = 0;
  ColourRef maskColor = 0;
  int colorScheme = kOwnColours;
  int buttonType = 0;
  bool softBevel = false;
  Rgb containerBack;  // scheme 4: the parent window's background and text colours
  Rgb containerText;
  SystemColours system{};
};

// While the mouse is over a button of scheme 2 its hover face takes the place of its face,
// so that every edge colour follows the hover face.
ColourSet computeColourSet(const ColourInputs& in, bool mouseOver);

}  // namespace vm::ui::button
