// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vm::ui {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
    emit clicked();
    return;
  }
  QLabel::mouseReleaseEvent(e);
}

void LinkLabel::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if ((e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        emit clicked();
        return;
      }
      break;
    default:
      break;
  }
  QLabel::keyPressEvent(e);
}

void LinkLabel::paintEvent(QPaintEvent* e) {
  QLabel::paintEvent(e);
  if (!hasFocus()) return;
  // A dotted frame in the link's own colour, around the text where the eye looks for it.
  const QRect text =
      fontMetrics().boundingRect(contentsRect(), static_cast<int>(alignment()), this->text());
  QPainter painter(this);
  painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
  painter.drawRect(text.adjusted(-3, -1, 2, 0).intersected(rect().adjusted(0, 0, -1, -1)));
}

}  // namespace vm::ui
