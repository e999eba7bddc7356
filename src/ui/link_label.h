// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace vm::ui {

// A text that acts as a link (the maker's mail and web addresses): the pointer turns to a
// hand over it, and a left click, or Enter or the space bar while it has the focus, raises
// clicked(). It takes the focus with Tab and shows it with a dotted frame; assistive
// technology sees a link with a press action (AccessibleLink).
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(QWidget* parent = nullptr);

  // Follows the link, as a click does.
  void click() { emit clicked(); }

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
};

}  // namespace vm::ui
