// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button/button_host.h"

#include <QPainter>
#include <QTest>

#include "ui/button/colour.h"
#include "ui/button/geometry.h"

namespace vm::ui::testing {

namespace {

// Diagonal stripes, so that a copied background can be told from a plain fill.
class PatternWindow : public QWidget {
 public:
  static QRgb patternAt(QPoint p) {
    return ((p.x() + p.y()) / 4) % 2 == 0 ? qRgb(206, 220, 196) : qRgb(226, 236, 214);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QImage pattern(size(), QImage::Format_RGB32);
    for (int y = 0; y < height(); ++y) {
      for (int x = 0; x < width(); ++x) pattern.setPixel(x, y, patternAt({x, y}));
    }
    QPainter(this).drawImage(0, 0, pattern);
  }
};

}  // namespace

QString lookName(Look look) {
  switch (look) {
    case Look::Normal:
      return "normal";
    case Look::Hover:
      return "hover";
    case Look::Focus:
      return "focus";
    case Look::Pressed:
      return "pressed";
    case Look::Disabled:
      return "disabled";
  }
  return {};
}

ButtonHost::ButtonHost(int style, const QString& caption, QSize size) {
  window_ = new PatternWindow;
  window_->resize(size.width() + 40, size.height() + 40);
  button_ = new PellamButton("cmdSample", window_);
  button_->setGeometry(20, 20, size.width(), size.height());
  button_->setButtonType(style);
  button_->setBackColor(button::rgb(80, 120, 170));
  button_->setBackOver(button::rgb(110, 150, 200));
  // A style-11 caption lies on the window's light background.
  const bool onWindow = style == button::kTransparentStyle;
  button_->setForeColor(onWindow ? button::rgb(0, 0, 64) : button::rgb(255, 255, 255));
  button_->setForeOver(onWindow ? button::rgb(0, 0, 160) : button::rgb(255, 255, 160));
  button_->setCaption(caption);
  // A second button to take the focus away from the sample.
  auto* other = new QWidget(window_);
  other->setFocusPolicy(Qt::StrongFocus);
  other->setGeometry(0, 0, 1, 1);
  window_->show();
  window_->activateWindow();
  (void)QTest::qWaitForWindowExposed(window_);
  (void)QTest::qWaitForWindowActive(window_);
  other->setFocus();
  QTest::mouseMove(window_, QPoint(2, size.height() + 38));
}

ButtonHost::~ButtonHost() {
  // The test library remembers held buttons across windows.
  if (pressed_) QTest::mouseRelease(button_, Qt::LeftButton);
  delete window_;
}

void ButtonHost::show(Look look) {
  switch (look) {
    case Look::Normal:
      break;
    case Look::Hover:
      QTest::mouseMove(button_, button_->rect().center());
      break;
    case Look::Focus:
      button_->setFocus();
      break;
    case Look::Pressed:
      QTest::mousePress(button_, Qt::LeftButton);
      pressed_ = true;
      break;
    case Look::Disabled:
      button_->setEnabled(false);
      break;
  }
}

QImage ButtonHost::drawing() const {
  return button_->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QRgb ButtonHost::windowPixelAt(QPoint buttonPos) const {
  return PatternWindow::patternAt(button_->mapToParent(buttonPos));
}

QImage samplePicture() {
  QImage p(16, 16, QImage::Format_RGB32);
  p.fill(qRgb(192, 192, 192));
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const int dx = 2 * x - 15;
      const int dy = 2 * y - 15;
      if (dx * dx + dy * dy <= 14 * 14) p.setPixel(x, y, qRgb(30, 60, 160));
    }
  }
  for (int y = 4; y < 12; ++y) {
    p.setPixel(7, y, qRgb(255, 255, 255));
    p.setPixel(8, y, qRgb(255, 255, 255));
  }
  return p;
}

}  // namespace vm::ui::testing
