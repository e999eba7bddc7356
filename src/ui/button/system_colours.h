// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>

#include "ui/button/colour.h"

namespace vm::ui::button {

// The system colours as the toolkit's palette gives them.
SystemColours systemColoursOf(const QPalette& palette);

Rgb toRgb(const QColor& c);

}  // namespace vm::ui::button
