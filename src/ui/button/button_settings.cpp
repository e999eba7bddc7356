// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/button_settings.h"

namespace vm::ui::button {

namespace {

QVariant colourVariant(ColourRef c) { return QVariant::fromValue<quint32>(c); }

ColourRef readColour(const PropertyBag& bag, const QString& key, ColourRef missing) {
  return bag.read(key, colourVariant(missing)).value<quint32>();
}

}  // namespace

void writeSettings(const ButtonSettings& s, PropertyBag& bag) {
  bag.write("BTYPE", s.buttonType);
  bag.write("TX", s.caption);
  bag.write("ENAB", s.enabled);
  bag.write("FONT", s.font);
  bag.write("COLTYPE", s.colorScheme);
  bag.write("FOCUSR", s.showFocusRect);
  bag.write("BCOL", colourVariant(s.backColor));
  bag.write("BCOLO", colourVariant(s.backOver));
  bag.write("FCOL", colourVariant(s.foreColor));
  bag.write("FCOLO", colourVariant(s.foreOver));
  bag.write("MCOL", colourVariant(s.maskColor));
  bag.write("MPTR", s.mousePointer);
  bag.write("MICON", s.mouseIcon);
  bag.write("PICN", s.pictureNormal);
  bag.write("PICH", s.pictureOver);
  bag.write("UMCOL", s.useMaskColor);
  bag.write("SOFT", s.softBevel);
  bag.write("PICPOS", s.picturePosition);
  bag.write("NGREY", s.useGreyscale);
  bag.write("FX", s.specialEffect);
  bag.write("CHECK", s.checkBoxBehaviour);
  bag.write("VALUE", s.value);
}

ButtonSettings readSettings(const PropertyBag& bag, const QFont& currentFont) {
  ButtonSettings s;
  s.buttonType = bag.read("BTYPE", 2).toInt();
  s.caption = bag.read("TX", QString()).toString();
  s.enabled = bag.read("ENAB", true).toBool();
  s.font = bag.read("FONT", currentFont).value<QFont>();
  s.colorScheme = bag.read("COLTYPE", 1).toInt();
  s.showFocusRect = bag.read("FOCUSR", true).toBool();
  s.backColor = readColour(bag, "BCOL", systemColour(SystemColour::ButtonFace));
  s.backOver = readColour(bag, "BCOLO", s.backColor);
  s.foreColor = readColour(bag, "FCOL", systemColour(SystemColour::ButtonText));
  s.foreOver = readColour(bag, "FCOLO", s.foreColor);
  s.maskColor = readColour(bag, "MCOL", rgb(192, 192, 192));
  s.mousePointer = bag.read("MPTR", 0).toInt();
  s.mouseIcon = bag.read("MICON", QImage()).value<QImage>();
  s.pictureNormal = bag.read("PICN", QImage()).value<QImage>();
  s.pictureOver = bag.read("PICH", QImage()).value<QImage>();
  s.useMaskColor = bag.read("UMCOL", true).toBool();
  s.softBevel = bag.read("SOFT", false).toBool();
  s.picturePosition = bag.read("PICPOS", 0).toInt();
  s.useGreyscale = bag.read("NGREY", false).toBool();
  s.specialEffect = bag.read("FX", 0).toInt();
  s.checkBoxBehaviour = bag.read("CHECK", false).toBool();
  s.value = bag.read("VALUE", false).toBool();
  return s;
}

}  // namespace vm::ui::button
