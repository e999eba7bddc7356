// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_colours.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>

namespace vm::ui {
namespace {

void selectWhole(QWidget* field) {
  if (auto* line = qobject_cast<QLineEdit*>(field)) {
    line->selectAll();
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
    plain->selectAll();
  } else if (auto* rich = qobject_cast<QTextEdit*>(field)) {
    rich->selectAll();
  }
}

}  // namespace

// The control that Tab (or Shift+Tab) reaches after `from`, passing over the locked fields.
QWidget* FieldColours::nextAfter(QWidget* from, bool forward) const {
  const auto locked = [this](QWidget* w) {
    return std::any_of(fields_.begin(), fields_.end(),
                       [w](const QPointer<QWidget>& f) { return f == w; });
  };
  QWidget* w = from;
  for (;;) {
    w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
    if (w == from) return nullptr;
    if (w->window() == from->window() && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() &&
        w->isEnabled() && !locked(w) && !w->focusProxy())
      return w;
  }
}

FieldColours::FieldColours(QColor focused, QObject* parent) : QObject(parent), focused_(focused) {}

FieldColours* FieldColours::forEditor(bool adding, QObject* parent) {
  return new FieldColours(adding ? kAddMode : kEditMode, parent);
}

void FieldColours::attach(QWidget* field) {
  field->installEventFilter(this);
  paint(field, kLeft);
  fields_.emplace_back(field);
}

void FieldColours::lockForViewing(QWidget* target) {
  for (const QPointer<QWidget>& field : fields_) {
    if (auto* line = qobject_cast<QLineEdit*>(field.data())) {
      line->setReadOnly(true);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field.data())) {
      plain->setReadOnly(true);
    } else if (auto* rich = qobject_cast<QTextEdit*>(field.data())) {
      rich->setReadOnly(true);
    }
  }
  passFocusTo(target);
}

void FieldColours::paint(QWidget* field, const QColor& colour) {
  QPalette p = field->palette();
  p.setColor(QPalette::Base, colour);
  field->setPalette(p);
}

bool FieldColours::eventFilter(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QWidget*>(watched);
  if (!field) return false;
  if (event->type() == QEvent::FocusIn) {
    if (passTo_ && passTo_->isVisible()) {
      // Tab goes on past the locked fields, so every command after them stays in reach;
      // a click, or any other way in, lands on the target.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      const bool tabbing = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
      QWidget* next = tabbing ? nextAfter(field, reason == Qt::TabFocusReason) : nullptr;
      QPointer<QWidget> target = next ? next : passTo_.data();
      QTimer::singleShot(0, target.data(), [target, reason] {
        if (target) target->setFocus(reason);
      });
      return false;
    }
    paint(field, focused_);
    emit fieldFocused(field);
    // After the mouse press that gave the focus has placed the cursor.
    QTimer::singleShot(0, field, [field] { selectWhole(field); });
  } else if (event->type() == QEvent::FocusOut) {
    paint(field, kLeft);
  }
  return false;
}

}  // namespace vm::ui
