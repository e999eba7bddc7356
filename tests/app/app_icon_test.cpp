// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_icon.h"

#include <gtest/gtest.h>

#include <QXmlStreamReader>

namespace {

bool isWhite(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200; }
bool isGreen(QRgb pixel) {
  return qAlpha(pixel) == 255 && qGreen(pixel) > qRed(pixel) + 40 && qGreen(pixel) > qBlue(pixel);
}

}  // namespace

TEST(AppIcon, EveryThemeSizeShowsAWhiteTickOnAGreenTileWithClearCorners) {
  for (const int size : vm::app::kIconSizes) {
    SCOPED_TRACE(size);
    const QImage image = vm::app::renderIcon(size).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0);

    int white = 0;
    int green = 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        white += isWhite(image.pixel(x, y));
        green += isGreen(image.pixel(x, y));
      }
    }
    // The tick covers about a sixth of the tile, and the tile most of the square.
    const int area = size * size;
    EXPECT_GT(white, area / 16);
    EXPECT_LT(white, area / 4);
    EXPECT_GT(green, area / 3);
    // The tick's corner, low in the middle, is white; below its left arm the tile is green.
    EXPECT_TRUE(isWhite(image.pixel(size * 110 / 256, size * 170 / 256)));
    EXPECT_TRUE(isGreen(image.pixel(size * 48 / 256, size * 200 / 256)));
  }
}

TEST(AppIcon, ScalableIconIsWellFormedAndDrawsTheSameShapes) {
  QXmlStreamReader xml(vm::app::iconSvg());
  QStringList elements;
  QString viewBox;
  QString tickColour;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    elements << xml.name().toString();
    if (xml.name() == u"svg") viewBox = xml.attributes().value("viewBox").toString();
    if (xml.name() == u"polyline") tickColour = xml.attributes().value("stroke").toString();
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(elements,
            QStringList({"svg", "defs", "linearGradient", "stop", "stop", "path", "polyline"}));
  EXPECT_EQ(viewBox, "0 0 256 256");
  EXPECT_EQ(tickColour, "#ffffff");
}

TEST(AppIcon, ProgramIconOffersEveryThemeSize) {
  const QIcon icon = vm::app::programIcon();
  for (const int size : vm::app::kIconSizes) {
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
  }
}
