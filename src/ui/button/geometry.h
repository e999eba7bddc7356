// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

namespace vm::ui::button {

// The painting styles the program's windows use; every other value draws the face and the
// picture only.
enum ButtonStyle { kRoundedStyle = 3, kTransparentStyle = 11, kSoftStyle = 14 };

// Where the picture sits relative to the caption.
enum PicturePosition {
  kPictureLeft = 0,
  kPictureRight = 1,
  kPictureAbove = 2,
  kPictureBelow = 3,
  kPictureBehind = 4,
};

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

// A rectangle whose right and bottom edges lie just outside it.
struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr Box moved(int dx, int dy) const {
    return Box{left + dx, top + dy, right + dx, bottom + dy};
  }
  friend constexpr bool operator==(const Box&, const Box&) = default;
};

// Where the focus rectangle goes.
Box innerRect(int style, int width, int height);

// The pixels that the window shape leaves out of the full rectangle.
std::vector<Point> shapeCutPixels(int style, int width, int height);

struct TextSize {
  int width = 0;
  int height = 0;
};

// Measures the caption word-wrapped within the area's width.
using MeasureText = std::function<TextSize(const Box& area)>;

struct Layout {
  Box textArea;     // where the caption was measured
  Box text;         // the caption, centred
  Box pressedText;  // the caption of the pressed look
  Point picture;    // top left of the picture (only with a picture)
  int pictureWidth = 0;
  int pictureHeight = 0;
};

struct LayoutInput {
  int width = 0;
  int height = 0;
  int picturePosition = kPictureLeft;
  int pictureWidth = 0;  // 0 × 0 without a picture
  int pictureHeight = 0;
  bool hasPicture = false;
  bool captionBlank = true;  // empty or only spaces
};

Layout computeLayout(const LayoutInput& in, const MeasureText& measure);

}  // namespace vm::ui::button
