// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/button_look.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "ui/button/picture_ink.h"

namespace vm::ui::button {

namespace {

constexpr int kCaptionFlags = Qt::TextWordWrap | Qt::TextShowMnemonic;

// How the caption is drawn in each look.
enum CaptionMode {
  kCaptionNormal = 0,
  kCaptionHover = 1,
  kCaptionPressedRounded = 2,
  kCaptionEmbossed = 3,  // disabled, styles 11 and 14
  kCaptionDisabledRounded = 4,
  kCaptionPressedSunken = 5,  // pressed, styles 11 and 14
};

// How the picture is drawn in each look.
enum PictureMode { kPictureNormal = 0, kPicturePressed = 1, kPictureDisabled = 2 };

QRgb toQRgb(Rgb c) { return qRgb(c.red, c.green, c.blue); }

// Captions are drawn without smoothing, as the system draws button text, so that embossed
// and shadowed captions keep their exact colours; measured the same way.
QFont captionFont(QFont f) {
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

class Look {
 public:
  Look(const LookInput& in, QImage& drawing)
      : in_(in),
        c_(in.colours),
        img_(drawing),
        w_(drawing.width()),
        h_(drawing.height()),
        font_(in.font) {}

  void draw() {
    fill({0, 0, w_, h_}, c_.face);
    if (in_.style == kRoundedStyle) {
      rounded();
    } else if (in_.style == kSoftStyle) {
      soft();
    } else if (in_.style == kTransparentStyle) {
      transparent();
    } else {
      pictures(!in_.enabled ? kPictureDisabled : in_.pressed ? kPicturePressed : kPictureNormal);
    }
  }

 private:
  bool hover() const { return in_.mouseOver && !in_.pressed; }
  Rgb sh(Rgb c, int d, bool keepBlue = false) const { return c_.shade(c, d, keepBlue); }

  void fill(Box b, Rgb c) {
    b.left = std::max(b.left, 0);
    b.top = std::max(b.top, 0);
    b.right = std::min(b.right, w_);
    b.bottom = std::min(b.bottom, h_);
    const QRgb value = toQRgb(c);
    for (int y = b.top; y < b.bottom; ++y) {
      auto* row = reinterpret_cast<QRgb*>(img_.scanLine(y));
      std::fill(row + b.left, row + std::max(b.left, b.right), value);
    }
  }
  void pixel(int x, int y, Rgb c) { fill({x, y, x + 1, y + 1}, c); }

  // A horizontal or vertical line from its start up to, not including, its end.
  void line(int x1, int y1, int x2, int y2, Rgb c) {
    if (y1 == y2) {
      fill(x2 >= x1 ? Box{x1, y1, x2, y1 + 1} : Box{x2 + 1, y1, x1 + 1, y1 + 1}, c);
    } else {
      fill(y2 >= y1 ? Box{x1, y1, x1 + 1, y2} : Box{x1, y2 + 1, x1 + 1, y1 + 1}, c);
    }
  }

  void frame(Box b, Rgb c) {
    if (b.width() <= 0 || b.height() <= 0) return;
    fill({b.left, b.top, b.right, b.top + 1}, c);
    fill({b.left, b.bottom - 1, b.right, b.bottom}, c);
    fill({b.left, b.top, b.left + 1, b.bottom}, c);
    fill({b.right - 1, b.top, b.right, b.bottom}, c);
  }

  void corners(Rgb c) {
    pixel(1, 1, c);
    pixel(1, h_ - 2, c);
    pixel(w_ - 2, 1, c);
    pixel(w_ - 2, h_ - 2, c);
  }

  // The caption centred on the box; wrapped within the text area's width so that a bold
  // caption breaks where its own width demands.
  void text(const Box& box, Rgb colour) {
    if (in_.caption.isEmpty()) return;
    const double width = std::max(box.width(), in_.layout.textArea.width());
    const double centre = (box.left + box.right) / 2.0;
    QPainter p(&img_);
    p.setFont(captionFont(font_));
    p.setPen(QColor(toQRgb(colour)));
    p.drawText(QRectF(centre - width / 2, box.top, width, box.height()),
               Qt::AlignCenter | Qt::TextDontClip | kCaptionFlags, in_.caption);
  }

  void captionEffect(const Box& box) {
    const int fx = in_.specialEffect;
    if (fx <= 0) return;
    const Rgb base = in_.style == kSoftStyle ? c_.accent : c_.face;
    text(box.moved(1, 1), sh(base, fx == 2 ? 40 : -40));
    if (fx == 1 || fx == 2) text(box.moved(-1, -1), sh(base, fx == 2 ? -40 : 40));
  }

  void caption(int mode) {
    const Box& t = in_.layout.text;
    const Box& pressed = in_.layout.pressedText;
    switch (mode) {
      case kCaptionNormal:
        captionEffect(t);
        text(t, c_.text);
        break;
      case kCaptionHover:
        captionEffect(t);
        text(t, c_.textOver);
        break;
      case kCaptionPressedRounded:
        captionEffect(pressed);
        text(pressed, c_.textOver);
        break;
      case kCaptionEmbossed:
        text(pressed, c_.highlight);
        text(t, c_.shadow);
        break;
      case kCaptionDisabledRounded:
        text(t, sh(c_.accent, -104, true));
        break;
      case kCaptionPressedSunken:
        text(pressed, sh(c_.shadow, -50));
        text(t, c_.highlight);
        break;
    }
  }

  // The platform's dotted focus rectangle: every other pixel of the outline inverted, the
  // pixels between them combined with the text colour.
  void focusRect() {
    if (!in_.showFocusRect || !in_.hasFocus) return;
    const Box& b = in_.inner;
    if (b.width() <= 0 || b.height() <= 0) return;
    const QRgb textBits = toQRgb(c_.text) & 0xFFFFFF;
    const auto dot = [&](int x, int y) {
      if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
      auto* row = reinterpret_cast<QRgb*>(img_.scanLine(y));
      row[x] ^= ((x + y) % 2 == 1) ? 0xFFFFFFu : textBits;
    };
    for (int x = b.left; x < b.right; ++x) {
      dot(x, b.top);
      if (b.bottom - 1 > b.top) dot(x, b.bottom - 1);
    }
    for (int y = b.top + 1; y < b.bottom - 1; ++y) {
      dot(b.left, y);
      if (b.right - 1 > b.left) dot(b.right - 1, y);
    }
  }

  void put(const QImage& picture, Point at, Ink kind, Rgb colour = {}) {
    drawPicture(img_, picture, at, PictureInk{kind, colour, in_.useMaskColor, c_.mask});
  }

  void pictureEffect(const QImage& picture, int o) {
    const int fx = in_.specialEffect;
    if (fx <= 0) return;
    const Rgb base = in_.style == kRoundedStyle ? c_.accent : c_.face;
    const Point at = in_.layout.picture;
    put(picture, {at.x + 1 + o, at.y + 1 + o}, Ink::Silhouette, sh(base, fx == 2 ? 40 : -40));
    if (fx == 1 || fx == 2) {
      put(picture, {at.x - 1 + o, at.y - 1 + o}, Ink::Silhouette, sh(base, fx == 2 ? -40 : 40));
    }
  }

  void pictures(int mode) {
    const QImage& normal = in_.pictureNormal;
    if (normal.isNull()) return;
    const QImage& over = in_.pictureOver;
    const Point at = in_.layout.picture;
    const Point moved{at.x + 1, at.y + 1};
    switch (mode) {
      case kPictureNormal:
        if (hover()) {
          const QImage& shown = over.isNull() ? normal : over;
          pictureEffect(shown, 0);
          put(shown, at, Ink::Colour);
        } else {
          pictureEffect(normal, 0);
          put(normal, at, in_.useGreyscale ? Ink::Grey : Ink::Colour);
        }
        break;
      case kPicturePressed:
        if (!over.isNull()) {
          put(over, moved, Ink::Colour);
        } else {
          pictureEffect(normal, 1);
          put(normal, moved, Ink::Colour);
        }
        break;
      case kPictureDisabled:
        if (in_.style == kRoundedStyle) {
          put(normal, moved, Ink::Grey);
        } else {
          put(normal, moved, Ink::DarkSilhouette, c_.highlight);
          put(normal, at, Ink::DarkSilhouette, c_.shadow);
        }
        break;
    }
  }

  // The picture, and over a picture behind the caption the caption once more.
  void finish(int pictureMode, int captionMode) {
    pictures(pictureMode);
    if (in_.picturePosition == kPictureBehind) caption(captionMode);
  }

  void roundedFrame(Rgb outline, Rgb corner) {
    frame({0, 0, w_, h_}, outline);
    corners(corner);
  }

  // Style 3: rounded corners and a face shaded from top to bottom.
  void rounded() {
    const int w = w_;
    const int h = h_;
    const Rgb accent = c_.accent;
    if (!in_.enabled) {
      fill({0, 0, w, h}, sh(accent, -24, true));
      caption(kCaptionDisabledRounded);
      roundedFrame(sh(accent, -84, true), sh(accent, -72, true));
      finish(kPictureDisabled, kCaptionDisabledRounded);
      return;
    }
    if (in_.pressed) {
      const Rgb base = sh(accent, -32, true);
      for (int i = 1; i <= h; ++i) line(0, h - i, w, h - i, sh(base, -roundedDiv(25 * i, h), true));
      caption(kCaptionPressedRounded);
      roundedFrame(Rgb{0, 60, 115}, Rgb{16, 77, 123});
      line(2, h - 2, w - 2, h - 2, sh(base, 16, true));
      line(1, h - 3, w - 2, h - 3, sh(base, 10, true));
      line(w - 2, 2, w - 2, h - 2, sh(base, 5, true));
      line(w - 3, 3, w - 3, h - 3, accent);
      line(2, 1, w - 2, 1, sh(base, -32, true));
      line(1, 2, w - 2, 2, sh(base, -24, true));
      line(1, 2, 1, h - 2, sh(base, -32, true));
      line(2, 2, 2, h - 2, sh(base, -22, true));
      finish(kPicturePressed, kCaptionPressedRounded);
      return;
    }
    for (int y = 1; y <= h; ++y) line(0, y, w, y, sh(accent, -roundedDiv(25 * y, h), true));
    const int mode = hover() ? kCaptionHover : kCaptionNormal;
    caption(mode);
    roundedFrame(Rgb{0, 60, 115}, Rgb{16, 77, 123});
    if (hover()) {
      litEdges(Rgb{255, 178, 49}, Rgb{231, 150, 0}, Rgb{255, 243, 206}, Rgb{255, 219, 140},
               Rgb{255, 203, 107});
    } else if ((in_.hasFocus || in_.isDefault) && in_.showFocusRect) {
      litEdges(Rgb{140, 174, 231}, Rgb{107, 130, 239}, Rgb{206, 231, 255}, Rgb{189, 215, 247},
               Rgb{181, 209, 240});
    } else {
      line(2, h - 2, w - 2, h - 2, sh(accent, -48, true));
      line(1, h - 3, w - 2, h - 3, sh(accent, -32, true));
      line(w - 2, 2, w - 2, h - 2, sh(accent, -36, true));
      line(w - 3, 3, w - 3, h - 3, sh(accent, -24, true));
      line(2, 1, w - 2, 1, sh(accent, 16, true));
      line(1, 2, w - 2, 2, sh(accent, 10, true));
      line(1, 2, 1, h - 2, sh(accent, -5, true));
      line(2, 3, 2, h - 3, sh(accent, -10, true));
    }
    finish(kPictureNormal, mode);
  }

  // The coloured inner edges of a style-3 button under the mouse or with the focus.
  void litEdges(Rgb ring, Rgb bottom, Rgb top, Rgb belowTop, Rgb sides) {
    const int w = w_;
    const int h = h_;
    frame({1, 2, w - 1, h - 2}, ring);
    line(2, h - 2, w - 2, h - 2, bottom);
    line(2, 1, w - 2, 1, top);
    line(1, 2, w - 1, 2, belowTop);
    line(2, 3, 2, h - 3, sides);
    line(w - 3, 3, w - 3, h - 3, sides);
  }

  void softGradient() {
    for (int y = 1; y <= h_; ++y) {
      line(0, y, w_, y, sh(c_.highlight, -roundedDiv(58 * y, h_)));
    }
  }

  void softEdges() {
    frame({0, 0, w_, h_}, sh(c_.shadow, -50));
    frame({1, 1, w_ - 1, h_ - 1}, sh(c_.face, -9));
    fill({2, 2, w_ - 2, 4}, c_.highlight);
    fill({2, 4, 4, h_ - 2}, c_.highlight);
  }

  // Style 14: a soft gradient with a light bevel on the top and left.
  void soft() {
    const int w = w_;
    const int h = h_;
    if (!in_.enabled) {
      softGradient();
      softEdges();
      caption(kCaptionEmbossed);
      finish(kPictureDisabled, kCaptionEmbossed);
      return;
    }
    if (in_.pressed) {
      fill({1, 1, w + 1, h + 1}, sh(c_.face, -9));
      frame({0, 0, w, h}, sh(c_.shadow, -48));
      line(2, h - 2, w - 2, h - 2, c_.highlight);
      line(w - 2, 2, w - 2, h - 1, c_.highlight);
      caption(kCaptionPressedSunken);
      focusRect();
      finish(kPicturePressed, kCaptionPressedSunken);
      return;
    }
    if (hover()) {
      fill({0, 0, w, h}, c_.light);
    } else {
      softGradient();
    }
    // The window's default button shows a bold caption, for this drawing only.
    if (in_.isDefault) font_.setBold(true);
    const int mode = hover() ? kCaptionHover : kCaptionNormal;
    caption(mode);
    softEdges();
    focusRect();
    finish(kPictureNormal, mode);
  }

  void background() {
    if (in_.background.isNull()) return;
    QPainter p(&img_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, in_.background);
  }

  // A one-pixel frame along the border: `topLeft` on the top and left edges, `bottomRight`
  // on the bottom and right edges.
  void edgeFrame(Rgb topLeft, Rgb bottomRight) {
    line(0, 0, w_, 0, topLeft);
    line(0, 0, 0, h_, topLeft);
    line(0, h_ - 1, w_, h_ - 1, bottomRight);
    line(w_ - 1, 0, w_ - 1, h_, bottomRight);
  }

  // Style 11: the window's own background with only the caption and picture on it.
  void transparent() {
    background();
    if (!in_.enabled) {
      caption(kCaptionEmbossed);
      finish(kPictureDisabled, kCaptionEmbossed);
      return;
    }
    if (in_.pressed) {
      edgeFrame(c_.shadow, c_.highlight);
      caption(kCaptionPressedSunken);
      focusRect();
      finish(kPicturePressed, kCaptionPressedSunken);
      return;
    }
    const int mode = hover() ? kCaptionHover : kCaptionNormal;
    caption(mode);
    if (hover()) edgeFrame(c_.highlight, c_.shadow);
    focusRect();
    finish(kPictureNormal, mode);
  }

  const LookInput& in_;
  const ColourSet& c_;
  QImage& img_;
  const int w_;
  const int h_;
  QFont font_;
};

}  // namespace

TextSize measureCaption(const QString& caption, const QFont& font, const Box& area) {
  if (caption.isEmpty()) return {};
  const QRect r =
      QFontMetrics(captionFont(font))
          .boundingRect(QRect(area.left, area.top, area.width(), 0), kCaptionFlags, caption);
  return {r.width(), r.height()};
}

QImage renderLook(const LookInput& in, int width, int height) {
  QImage drawing(std::max(width, 0), std::max(height, 0), QImage::Format_ARGB32_Premultiplied);
  drawing.fill(Qt::transparent);
  if (drawing.isNull()) return drawing;
  Look(in, drawing).draw();
  for (const Point& p : shapeCutPixels(in.style, width, height)) {
    if (p.x >= 0 && p.y >= 0 && p.x < width && p.y < height) drawing.setPixel(p.x, p.y, 0);
  }
  return drawing;
}

}  // namespace vm::ui::button
