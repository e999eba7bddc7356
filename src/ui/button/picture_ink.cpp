// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/picture_ink.h"

#include <algorithm>
#include <optional>

namespace vm::ui::button {

namespace {

std::optional<Rgb> inked(Rgb pixel, const PictureInk& ink) {
  switch (ink.kind) {
    case Ink::Colour:
      return pixel;
    case Ink::Grey: {
      const int g = greyLevel(pixel);
      return Rgb{g, g, g};
    }
    case Ink::Silhouette:
      return ink.colour;
    case Ink::DarkSilhouette:
      if (pixel.red + pixel.green + pixel.blue <= 384) return ink.colour;
      return std::nullopt;
  }
  return std::nullopt;
}

int blend(int over, int under, int alpha) { return (over * alpha + under * (255 - alpha)) / 255; }

}  // namespace

void drawPicture(QImage& drawing, const QImage& picture, Point at, const PictureInk& ink) {
  if (picture.isNull()) return;
  const bool icon = picture.hasAlphaChannel();
  const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
  const int fromX = std::max(0, -at.x);
  const int fromY = std::max(0, -at.y);
  const int toX = std::min(source.width(), drawing.width() - at.x);
  const int toY = std::min(source.height(), drawing.height() - at.y);
  for (int y = fromY; y < toY; ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(drawing.scanLine(y + at.y)) + at.x;
    for (int x = fromX; x < toX; ++x) {
      const QRgb p = in[x];
      const int alpha = icon ? qAlpha(p) : 255;
      if (alpha == 0) continue;
      const Rgb pixel{qRed(p), qGreen(p), qBlue(p)};
      if (!icon && ink.useMask && pixel == ink.mask) continue;
      const std::optional<Rgb> c = inked(pixel, ink);
      if (!c) continue;
      const QRgb under = out[x];
      out[x] = qRgb(blend(c->red, qRed(under), alpha), blend(c->green, qGreen(under), alpha),
                    blend(c->blue, qBlue(under), alpha));
    }
  }
}

}  // namespace vm::ui::button
