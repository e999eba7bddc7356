// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tile_picture.h"

#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace vm::ui {

void TilePicture(const QImage& picture, QWidget* window) {
  // A texture brush repeats the picture from the widget's origin, as tiling by hand would,
  // and is painted with the window's background on every exposure.
  QPalette palette = window->palette();
  palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(picture)));
  window->setPalette(palette);
  window->setAutoFillBackground(true);
}

}  // namespace vm::ui
