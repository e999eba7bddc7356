// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

namespace vm::ui::pictures {

// The program's pictures, drawn in code so that they are sharp at any size and need no
// files beside the program. Button pictures are square and opaque, on the buttons' mask
// colour (RGB 192,192,192), which the button draws transparent.
inline constexpr QRgb kMaskColour = 0xFFC0C0C0;

QImage help(int size = 32);
QImage quit(int size = 32);
QImage returnToAdmin(int size = 32);
QImage backupRestore(int size = 32);

// A small tile repeated over the backgrounds of the windows (TilePicture).
QImage backgroundTile();
// The title window's picture, made to cover a window of the given size.
QImage titleBackground(const QSize& size);

}  // namespace vm::ui::pictures
