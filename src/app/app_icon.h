// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

namespace vm::app {

// The program's mark, a white tick on a green tile, drawn from one set of shapes both as
// pixels and as scalable vector text, so the icon sizes of the desktop theme, the scalable
// icon and the windows' own icon show the same mark.
QImage renderIcon(int pixels);
QByteArray iconSvg();

// The mark at the sizes desktops ask for, for the windows' title bars and task bars.
QIcon programIcon();

// The pixel sizes the desktop theme gets the mark in.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

}  // namespace vm::app
