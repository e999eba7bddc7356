// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tile_picture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

TEST(TilePicture, CopiesCoverTheWindowFromItsTopLeftCorner) {
  QImage tile(10, 8, QImage::Format_RGB32);
  tile.fill(Qt::white);
  tile.setPixel(0, 0, qRgb(255, 0, 0));
  QWidget window;
  window.resize(35, 30);
  vm::ui::TilePicture(tile, &window);
  const QImage shot = window.grab().toImage();
  for (int x : {0, 10, 20, 30})
    for (int y : {0, 8, 16, 24}) EXPECT_EQ(shot.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
  EXPECT_EQ(shot.pixel(34, 29), qRgb(255, 255, 255));
  EXPECT_EQ(shot.pixel(5, 4), qRgb(255, 255, 255));
}
