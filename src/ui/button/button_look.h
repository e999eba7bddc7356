// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include "ui/button/colour_set.h"
#include "ui/button/geometry.h"

namespace vm::ui::button {

// Everything one paint of a button depends on.
struct LookInput {
  int style = kSoftStyle;
  bool pressed = false;    // the pressed state (also a check button that is on)
  bool mouseOver = false;  // with `pressed` false this is the hover look
  bool enabled = true;     // false draws the greyed look whatever the state
  bool hasFocus = false;
  bool isDefault = false;  // the button that Enter presses in its window
  bool showFocusRect = true;
  int specialEffect = 0;
  int picturePosition = kPictureLeft;
  bool useMaskColor = true;
  bool useGreyscale = false;
  QString caption;
  QFont font;
  QImage pictureNormal;
  QImage pictureOver;
  QImage background;  // style 11: what the window shows behind the button
  ColourSet colours;
  Layout layout;
  Box inner;
};

// The size of the caption word-wrapped within the area's width, as drawn.
TextSize measureCaption(const QString& caption, const QFont& font, const Box& area);

// Draws the whole button, width × height, in its style and state; the pixels that the
// window shape leaves out are transparent.
QImage renderLook(const LookInput& in, int width, int height);

}  // namespace vm::ui::button
