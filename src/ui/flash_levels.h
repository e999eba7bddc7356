// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vm::ui {

// The pulse of a flashing button: its text and background grey levels swing in opposite
// directions, 4 units per tick, the text between 4 and 252 and the background between 0
// and 250. Windows paint the levels as dark olive to yellow.
struct FlashLevels {
  int text = 0;
  int background = 0;
  int step = 0;

  constexpr void tick() {
    if (text < 8) {
      background = 248;
      step = 4;
    } else if (text > 248) {
      background = 2;
      step = -4;
    }
    text += step;
    background -= step;
  }
};

}  // namespace vm::ui
