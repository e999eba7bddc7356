#include "ui/field_colours.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

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
      QTimer::singleShot(0, passTo_.data(), [target = passTo_] {
        if (target) target->setFocus();
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
