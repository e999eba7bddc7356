// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include "ui/button/colour.h"
#include "ui/button/geometry.h"
#include "ui/button/property_bag.h"

namespace vm::ui::button {

// Every stored setting of a button. The initial values are those of a newly placed
// button: soft style in its own colours, all of them black until a window sets them.
struct ButtonSettings {
  int buttonType = kSoftStyle;
  QString caption;
  bool enabled = true;
  QFont font;
  int colorScheme = 2;
  bool showFocusRect = true;
  ColourRef backColor = rgb(0, 0, 0);
  ColourRef backOver = rgb(0, 0, 0);
  ColourRef foreColor = rgb(0, 0, 0);
  ColourRef foreOver = rgb(0, 0, 0);
  ColourRef maskColor = rgb(192, 192, 192);
  int mousePointer = 0;
  QImage mouseIcon;
  QImage pictureNormal;
  QImage pictureOver;
  bool useMaskColor = true;
  bool softBevel = false;
  int picturePosition = kPictureLeft;
  bool useGreyscale = false;
  int specialEffect = 0;
  bool checkBoxBehaviour = false;
  bool value = false;
};

// Writes every setting under its key, in the fixed order of the stored settings.
void writeSettings(const ButtonSettings& settings, PropertyBag& bag);

// Reads the settings back in the same order; a missing key takes its own default, which
// for some keys differs from a new button's (style 2, system colours, scheme 1).
ButtonSettings readSettings(const PropertyBag& bag, const QFont& currentFont);

}  // namespace vm::ui::button
