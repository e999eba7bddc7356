// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include "ui/button/pellam_button.h"

namespace vm::ui::testing {

// The looks a button can be driven into.
enum class Look { Normal, Hover, Focus, Pressed, Disabled };

QString lookName(Look look);

// A shown window with a patterned background and one button on it, so that a button can be
// driven into a look with real events and its drawing taken.
class ButtonHost {
 public:
  explicit ButtonHost(int style, const QString& caption = "&Save", QSize size = {120, 32});
  ~ButtonHost();

  PellamButton& button() { return *button_; }
  QWidget& window() { return *window_; }

  // Drives the button with mouse, focus and enabled state into the look.
  void show(Look look);

  // The button as drawn, and the window's pattern under a point of the button.
  QImage drawing() const;
  QRgb windowPixelAt(QPoint buttonPos) const;

 private:
  QWidget* window_;
  PellamButton* button_;
  bool pressed_ = false;
};

// A 16 × 16 picture: a blue disc with a white bar on the mask colour.
QImage samplePicture();

}  // namespace vm::ui::testing
