// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "ui/button/colour.h"
#include "ui/button/geometry.h"

namespace vm::ui::button {

// How the pixels of a picture land on the button.
enum class Ink {
  Colour,          // the picture as it is
  Grey,            // each pixel as its grey level
  Silhouette,      // every shown pixel in one colour
  DarkSilhouette,  // only the dark pixels (red + green + blue at most 384) in one colour
};

struct PictureInk {
  Ink kind = Ink::Colour;
  Rgb colour;           // for the silhouettes
  bool useMask = true;  // pixels of the mask colour let the drawing show through
  Rgb mask{192, 192, 192};
};

// Draws the picture into an opaque drawing with its top left at `at`, pixel by pixel over
// the picture's rectangle only. A picture with an alpha channel (an icon) is transparent by
// its own alpha instead of by the mask colour.
void drawPicture(QImage& drawing, const QImage& picture, Point at, const PictureInk& ink);

}  // namespace vm::ui::button
