#pragma once

#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include "ui/pictures.h"

namespace vm::ui {

// Covers a window's background with the program's background tile.
inline void tileBackground(QWidget* window) {
  QPalette p = window->palette();
  p.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(pictures::backgroundTile())));
  window->setPalette(p);
  window->setAutoFillBackground(true);
}

}  // namespace vm::ui
