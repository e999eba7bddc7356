// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/colour_set.h"

namespace vm::ui::button {

namespace {

Rgb sys(const ColourInputs& in, SystemColour which) { return in.system[static_cast<int>(which)]; }

}  // namespace

ColourSet computeColourSet(const ColourInputs& in, bool mouseOver) {
  ColourSet s;
  s.softBevel = in.softBevel;
  const auto shadesOfFace = [&s] {
    s.shadow = s.shade(s.face, -64);
    s.light = s.shade(s.face, 31);
    s.highlight = s.shade(s.face, 47);
    s.darkShadow = s.shade(s.face, -192);
  };
  switch (in.colorScheme) {
    case kOwnColours:
      s.face = translate(mouseOver ? in.backOver : in.backColor, in.system);
      s.faceOver = translate(in.backOver, in.system);
      s.text = translate(in.foreColor, in.system);
      s.textOver = translate(in.foreOver, in.system);
      shadesOfFace();
      s.selection = s.shade(s.face, -128);
      s.selectionLight = s.face;
      break;
    case kFixedColours:
      s.face = s.faceOver = Rgb{192, 192, 192};
      s.text = s.textOver = Rgb{0, 0, 0};
      s.shadow = Rgb{128, 128, 128};
      s.light = Rgb{223, 223, 223};
      s.highlight = Rgb{255, 255, 255};
      s.darkShadow = Rgb{0, 0, 0};
      s.selection = Rgb{0, 0, 128};
      s.selectionLight = Rgb{173, 173, 209};
      break;
    case kContainerColours:
      s.face = s.faceOver = in.containerBack;
      s.text = s.textOver = in.containerText;
      shadesOfFace();
      s.selection = sys(in, SystemColour::Highlight);
      s.selectionLight = lighten(s.selection, 176);
      break;
    default:
      s.face = s.faceOver = sys(in, SystemColour::ButtonFace);
      s.text = s.textOver = sys(in, SystemColour::ButtonText);
      s.shadow = sys(in, SystemColour::ButtonShadow);
      s.light = sys(in, SystemColour::Light3D);
      s.highlight = sys(in, SystemColour::ButtonHighlight);
      s.darkShadow = sys(in, SystemColour::DarkShadow3D);
      s.selection = sys(in, SystemColour::Highlight);
      s.selectionLight = lighten(s.selection, 176);
      break;
  }
  s.mask = translate(in.maskColor, in.system);
  s.accent = s.shade(s.face, 48, in.buttonType == 3);
  return s;
}

}  // namespace vm::ui::button
