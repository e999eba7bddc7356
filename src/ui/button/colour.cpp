// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/colour.h"

#include <algorithm>

namespace vm::ui::button {

Rgb translate(ColourRef c, const SystemColours& system) {
  if (c & kSystemColourBit) {
    const auto index = c & 0xFFu;
    return index < system.size() ? system[index] : Rgb{};
  }
  return Rgb{static_cast<int>(c & 0xFFu), static_cast<int>(c >> 8 & 0xFFu),
             static_cast<int>(c >> 16 & 0xFFu)};
}

Rgb shift(Rgb c, int d, bool softBevel, bool keepBlue) {
  if (softBevel) d /= 2;
  Rgb out{c.red + d, c.green + d, keepBlue ? c.blue + d * c.blue / 192 : c.blue + d};
  if (d > 0) {
    out.red = std::min(out.red, 255);
    out.green = std::min(out.green, 255);
    out.blue = std::min(out.blue, 255);
  } else if (d < 0) {
    out.red = std::max(out.red, 0);
    out.green = std::max(out.green, 0);
    out.blue = std::max(out.blue, 0);
  }
  return out;
}

Rgb lighten(Rgb c, int k) {
  const auto one = [k](int x) { return std::min(k + x * (255 - k) / 255, 255); };
  return Rgb{one(c.red), one(c.green), one(c.blue)};
}

int roundedDiv(int num, int den) {
  const bool negative = num < 0;
  const int n = negative ? -num : num;
  int q = n / den;
  const int twiceRest = 2 * (n % den);
  if (twiceRest > den || (twiceRest == den && q % 2 == 1)) ++q;
  return negative ? -q : q;
}

int greyLevel(Rgb c) {
  // near(near(0.3 × red) + 0.59 × green + 0.11 × blue), kept in whole numbers so that
  // halves round the same way on every machine.
  const int redPart = roundedDiv(3 * c.red, 10);
  return roundedDiv(100 * redPart + 59 * c.green + 11 * c.blue, 100);
}

}  // namespace vm::ui::button
