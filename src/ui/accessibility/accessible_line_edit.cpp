// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility/accessible_line_edit.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace vm::ui {

AccessibleLineEdit::AccessibleLineEdit(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {
  addControllingSignal(QStringLiteral("textChanged(const QString&)"));
  addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit* AccessibleLineEdit::lineEdit() const { return static_cast<QLineEdit*>(object()); }

bool AccessibleLineEdit::showsText() const { return lineEdit()->echoMode() == QLineEdit::Normal; }

QString AccessibleLineEdit::readable() const {
  if (showsText()) return lineEdit()->text();
  if (lineEdit()->echoMode() == QLineEdit::NoEcho) return {};
  return QString(lineEdit()->text().size(), QLatin1Char('*'));
}

QString AccessibleLineEdit::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) return readable();
  QString s = QAccessibleWidget::text(t);
  if (s.isEmpty() && t == QAccessible::Description) s = lineEdit()->placeholderText();
  return s;
}

void AccessibleLineEdit::setText(QAccessible::Text t, const QString& text) {
  if (t != QAccessible::Value) {
    QAccessibleWidget::setText(t, text);
    return;
  }
  change(text);
}

void AccessibleLineEdit::change(const QString& text) {
  QLineEdit* edit = lineEdit();
  if (edit->isReadOnly() || !edit->isEnabled()) return;
  QString wanted = text;
  if (const QValidator* v = edit->validator()) {
    int pos = 0;
    if (v->validate(wanted, pos) != QValidator::Acceptable) return;
  }
  edit->setText(wanted);
}

QAccessible::State AccessibleLineEdit::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  const QLineEdit* edit = lineEdit();
  s.readOnly = edit->isReadOnly();
  s.editable = !edit->isReadOnly();
  s.passwordEdit = edit->echoMode() != QLineEdit::Normal;
  s.selectableText = true;
  return s;
}

void* AccessibleLineEdit::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (t == QAccessible::EditableTextInterface)
    return static_cast<QAccessibleEditableTextInterface*>(this);
  return QAccessibleWidget::interface_cast(t);
}

void AccessibleLineEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || !lineEdit()->hasSelectedText()) return;
  *startOffset = lineEdit()->selectionStart();
  *endOffset = lineEdit()->selectionEnd();
}

int AccessibleLineEdit::selectionCount() const { return lineEdit()->hasSelectedText() ? 1 : 0; }

void AccessibleLineEdit::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) lineEdit()->deselect();
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex == 0) lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::cursorPosition() const { return lineEdit()->cursorPosition(); }

void AccessibleLineEdit::setCursorPosition(int position) {
  lineEdit()->setCursorPosition(position);
}

QString AccessibleLineEdit::text(int startOffset, int endOffset) const {
  if (startOffset > endOffset) return {};
  return readable().mid(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::characterCount() const { return static_cast<int>(readable().size()); }

// Measured from the cursor, whose place the box knows, along the text as drawn.
QRect AccessibleLineEdit::characterRect(int offset) const {
  const QLineEdit* edit = lineEdit();
  const QString shown = edit->displayText();
  if (offset < 0 || offset >= shown.size()) return {};
  const QRect cursor = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  const QFontMetrics fm = edit->fontMetrics();
  const int x = cursor.x() + fm.horizontalAdvance(shown.left(offset)) -
                fm.horizontalAdvance(shown.left(edit->cursorPosition()));
  const QRect r(x, cursor.y(), fm.horizontalAdvance(shown.at(offset)), cursor.height());
  return QRect(edit->mapToGlobal(r.topLeft()), r.size());
}

int AccessibleLineEdit::offsetAtPoint(const QPoint& point) const {
  const QPoint local = lineEdit()->mapFromGlobal(point);
  return lineEdit()->rect().contains(local) ? lineEdit()->cursorPositionAt(local) : -1;
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex) {
  lineEdit()->setCursorPosition(endIndex);
  lineEdit()->setCursorPosition(startIndex);
}

QString AccessibleLineEdit::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = std::clamp(offset, 0, characterCount());
  return {};
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset) {
  if (startOffset > endOffset) return;
  change(lineEdit()->text().remove(startOffset, endOffset - startOffset));
}

void AccessibleLineEdit::insertText(int offset, const QString& text) {
  change(lineEdit()->text().insert(offset, text));
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString& text) {
  if (startOffset > endOffset) return;
  change(lineEdit()->text().replace(startOffset, endOffset - startOffset, text));
}

}  // namespace vm::ui
