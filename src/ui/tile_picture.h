// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class QWidget;

namespace vm::ui {

// Covers the window with copies of the picture at every multiple of its width and height,
// starting at the top left corner; it stays covered when the window is resized. The
// window's controls draw over it.
void TilePicture(const QImage& picture, QWidget* window);

}  // namespace vm::ui
