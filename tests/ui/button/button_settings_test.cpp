// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/button_settings.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "ui/button/button_host.h"
#include "ui/button/pellam_button.h"

namespace vm::ui::button {
namespace {

TEST(ButtonSettings, WrittenUnderTheirKeysInTheFixedOrder) {
  PropertyBag bag;
  writeSettings(ButtonSettings{}, bag);
  const QStringList expected{"BTYPE", "TX",    "ENAB",  "FONT",  "COLTYPE", "FOCUSR",
                             "BCOL",  "BCOLO", "FCOL",  "FCOLO", "MCOL",    "MPTR",
                             "MICON", "PICN",  "PICH",  "UMCOL", "SOFT",    "PICPOS",
                             "NGREY", "FX",    "CHECK", "VALUE"};
  EXPECT_EQ(bag.keys(), expected);
}

TEST(ButtonSettings, ReadBackAsWritten) {
  ButtonSettings s;
  s.buttonType = kRoundedStyle;
  s.caption = "&Add User";
  s.enabled = false;
  s.font.setPointSize(11);
  s.font.setBold(true);
  s.colorScheme = 3;
  s.showFocusRect = false;
  s.backColor = rgb(0, 128, 128);
  s.backOver = rgb(0, 160, 160);
  s.foreColor = systemColour(SystemColour::ButtonText);
  s.foreOver = rgb(255, 255, 0);
  s.maskColor = rgb(255, 0, 255);
  s.mousePointer = 11;
  s.pictureNormal = testing::samplePicture();
  s.pictureOver = testing::samplePicture().mirrored();
  s.useMaskColor = false;
  s.softBevel = true;
  s.picturePosition = kPictureBelow;
  s.useGreyscale = true;
  s.specialEffect = 2;
  s.checkBoxBehaviour = true;
  s.value = true;

  PropertyBag bag;
  writeSettings(s, bag);
  const ButtonSettings r = readSettings(bag, QFont());
  EXPECT_EQ(r.buttonType, kRoundedStyle);
  EXPECT_EQ(r.caption, "&Add User");
  EXPECT_FALSE(r.enabled);
  EXPECT_EQ(r.font, s.font);
  EXPECT_EQ(r.colorScheme, 3);
  EXPECT_FALSE(r.showFocusRect);
  EXPECT_EQ(r.backColor, rgb(0, 128, 128));
  EXPECT_EQ(r.backOver, rgb(0, 160, 160));
  EXPECT_EQ(r.foreColor, 0x80000012u);
  EXPECT_EQ(r.foreOver, rgb(255, 255, 0));
  EXPECT_EQ(r.maskColor, rgb(255, 0, 255));
  EXPECT_EQ(r.mousePointer, 11);
  EXPECT_EQ(r.pictureNormal, s.pictureNormal);
  EXPECT_EQ(r.pictureOver, s.pictureOver);
  EXPECT_FALSE(r.useMaskColor);
  EXPECT_TRUE(r.softBevel);
  EXPECT_EQ(r.picturePosition, kPictureBelow);
  EXPECT_TRUE(r.useGreyscale);
  EXPECT_EQ(r.specialEffect, 2);
  EXPECT_TRUE(r.checkBoxBehaviour);
  EXPECT_TRUE(r.value);
}

TEST(ButtonSettings, MissingKeysTakeTheirOwnDefaults) {
  QFont current;
  current.setPointSize(13);
  const ButtonSettings r = readSettings(PropertyBag{}, current);
  EXPECT_EQ(r.buttonType, 2);
  EXPECT_EQ(r.colorScheme, 1);
  EXPECT_EQ(r.caption, "");
  EXPECT_TRUE(r.enabled);
  EXPECT_EQ(r.font, current);
  EXPECT_TRUE(r.showFocusRect);
  EXPECT_EQ(r.backColor, systemColour(SystemColour::ButtonFace));
  EXPECT_EQ(r.backOver, systemColour(SystemColour::ButtonFace));
  EXPECT_EQ(r.foreColor, systemColour(SystemColour::ButtonText));
  EXPECT_EQ(r.foreOver, systemColour(SystemColour::ButtonText));
  EXPECT_EQ(r.maskColor, rgb(192, 192, 192));
  EXPECT_EQ(r.mousePointer, 0);
  EXPECT_TRUE(r.mouseIcon.isNull());
  EXPECT_TRUE(r.pictureNormal.isNull());
  EXPECT_TRUE(r.pictureOver.isNull());
  EXPECT_TRUE(r.useMaskColor);
  EXPECT_FALSE(r.softBevel);
  EXPECT_EQ(r.picturePosition, 0);
  EXPECT_FALSE(r.useGreyscale);
  EXPECT_EQ(r.specialEffect, 0);
  EXPECT_FALSE(r.checkBoxBehaviour);
  EXPECT_FALSE(r.value);
}

TEST(ButtonSettings, MissingHoverColoursFollowTheColoursRead) {
  PropertyBag bag;
  bag.write("BCOL", QVariant::fromValue<quint32>(rgb(0, 128, 128)));
  bag.write("FCOL", QVariant::fromValue<quint32>(rgb(0, 0, 64)));
  const ButtonSettings r = readSettings(bag, QFont());
  EXPECT_EQ(r.backOver, rgb(0, 128, 128));
  EXPECT_EQ(r.foreOver, rgb(0, 0, 64));
}

TEST(PellamButtonSettings, ANewButtonIsSoftInItsOwnBlackColoursNamedAfterItself) {
  PellamButton b("cmdSave");
  EXPECT_EQ(b.objectName(), "cmdSave");
  EXPECT_EQ(b.caption(), "cmdSave");
  EXPECT_EQ(b.buttonType(), kSoftStyle);
  EXPECT_EQ(b.colorScheme(), 2);
  EXPECT_EQ(b.backColor(), rgb(0, 0, 0));
  EXPECT_EQ(b.backOver(), rgb(0, 0, 0));
  EXPECT_EQ(b.foreColor(), rgb(0, 0, 0));
  EXPECT_EQ(b.foreOver(), rgb(0, 0, 0));
  EXPECT_EQ(b.maskColor(), rgb(192, 192, 192));
  EXPECT_TRUE(b.showFocusRect());
  EXPECT_TRUE(b.useMaskColor());
  EXPECT_TRUE(b.isEnabled());
  EXPECT_EQ(b.picturePosition(), 0);
  EXPECT_EQ(PellamButton::version(), "w2005.08.15");
}

TEST(PellamButtonSettings, ReadingAppliesEverySettingToTheButton) {
  PellamButton source("cmdSource");
  source.setButtonType(kRoundedStyle);
  source.setCaption("&Add User");
  source.setColorScheme(3);
  source.setEnabled(false);
  source.setSoftBevel(true);
  PropertyBag bag;
  source.writeProperties(bag);

  PellamButton b("cmdTarget");
  b.resize(100, 30);
  QSignalSpy marks(&b, &PellamButton::settingChanged);
  b.readProperties(bag);
  EXPECT_EQ(marks.count(), 0);
  EXPECT_EQ(b.buttonType(), kRoundedStyle);
  EXPECT_EQ(b.caption(), "&Add User");
  EXPECT_EQ(b.accessKey(), QChar('a'));
  EXPECT_EQ(b.colorScheme(), 3);
  EXPECT_TRUE(b.softBevel());
  EXPECT_FALSE(b.isEnabled());
  EXPECT_FALSE(b.mask().contains(QPoint(0, 0)));
  EXPECT_TRUE(b.mask().contains(QPoint(2, 0)));
}

TEST(PellamButtonSettings, SettersNameTheSettingTheyChanged) {
  PellamButton b("cmdSample");
  QStringList keys;
  QObject::connect(&b, &PellamButton::settingChanged, [&keys](const QString& k) { keys << k; });
  b.setPictureOver(testing::samplePicture());
  b.setPictureNormal(testing::samplePicture());
  b.setCaption("Go");
  b.setBackColor(rgb(1, 2, 3));
  b.setEnabled(false);
  b.setEnabled(false);
  QFont f = b.font();
  f.setItalic(true);
  b.setFont(f);
  EXPECT_EQ(keys, (QStringList{"PICO", "PICN", "TX", "BCOL", "ENAB", "FONT"}));

  // The font shortcuts change the font without marking anything.
  keys.clear();
  b.setFontBold(true);
  b.setFontSize(12);
  EXPECT_TRUE(keys.isEmpty());
  EXPECT_TRUE(b.fontBold());
  EXPECT_EQ(b.fontSize(), 12);
}

}  // namespace
}  // namespace vm::ui::button
