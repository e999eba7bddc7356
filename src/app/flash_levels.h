#pragma once

namespace vm::app {

// The pulse of the main window's flashing button: the caption's level and the face's
// level swing in opposite directions between black and yellow, 4 units per tick.
struct FlashLevels {
  int text = 0;
  int background = 0;
  int step = 0;

  // One tick; the caption then has RGB(text, text, 0), the face RGB(background, background, 0).
  void tick() {
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

}  // namespace vm::app
