// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/geometry.h"

namespace vm::ui::button {

Box innerRect(int style, int width, int height) {
  const Box client{0, 0, width, height};
  const auto shrunk = [&client](int by) {
    return Box{client.left + by, client.top + by, client.right - by, client.bottom - by};
  };
  switch (style) {
    case kRoundedStyle:
      return shrunk(4);
    case kTransparentStyle:
      return shrunk(3);
    case kSoftStyle:
      return shrunk(5).moved(1, 1);
    default:
      return client;
  }
}

std::vector<Point> shapeCutPixels(int style, int width, int height) {
  const int w = width;
  const int h = height;
  switch (style) {
    case kRoundedStyle:
      return {{0, 0},     {1, 0},     {0, 1},     {w - 2, 0},     {w - 1, 0},     {w - 1, 1},
              {0, h - 1}, {1, h - 1}, {0, h - 2}, {w - 2, h - 1}, {w - 1, h - 1}, {w - 1, h - 2}};
    case kSoftStyle:
      return {{0, h - 1}, {w - 1, 0}};
    default:
      return {};
  }
}

namespace {

// Positions outside the table place the caption as over a picture behind it.
int knownPosition(int position) {
  return position >= kPictureLeft && position <= kPictureBehind ? position : kPictureBehind;
}

Box textAreaFor(int position, int w, int h, int pw, int ph) {
  switch (position) {
    case kPictureLeft:
      return {pw + 4, 4, w - 8, h - 8};
    case kPictureRight:
      return {4, 4, w - pw - 8, h - 8};
    case kPictureAbove:
      return {4, ph + 4, w - 8, h - 8};
    case kPictureBelow:
      return {4, 4, w - 8, h - ph - 8};
    default:
      return {4, 1, w - 8, h - 4};
  }
}

}  // namespace

Layout computeLayout(const LayoutInput& in, const MeasureText& measure) {
  const int w = in.width;
  const int h = in.height;
  const int pw = in.pictureWidth;
  const int ph = in.pictureHeight;
  const int position = knownPosition(in.picturePosition);

  Layout out;
  out.pictureWidth = pw;
  out.pictureHeight = ph;
  out.textArea = textAreaFor(position, w, h, pw, ph);

  const TextSize size = measure(out.textArea);
  const Box measured{out.textArea.left, out.textArea.top, out.textArea.left + size.width,
                     out.textArea.top + size.height};
  const int freeWidth =
      position == kPictureRight ? w - pw - measured.right - 4 : w - measured.right;
  const int freeHeight =
      position == kPictureBelow ? h - ph - measured.bottom - 4 : h - measured.bottom;
  out.text = measured.moved(freeWidth / 2, freeHeight / 2);
  out.pressedText = out.text.moved(1, 1);

  if (in.hasPicture) {
    const Point centred{(w - pw) / 2, (h - ph) / 2};
    if (position == kPictureBehind || in.captionBlank) {
      out.picture = centred;
    } else if (position == kPictureLeft) {
      out.picture = {out.text.left - pw - 6, centred.y};
    } else if (position == kPictureRight) {
      out.picture = {out.text.right + 6, centred.y};
    } else if (position == kPictureAbove) {
      out.picture = {centred.x, out.text.top - ph - 2};
    } else {
      out.picture = {centred.x, out.text.bottom + 2};
    }
  }
  return out;
}

}  // namespace vm::ui::button
