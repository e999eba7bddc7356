// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility/accessible_text_box.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

namespace vm::ui {

template <typename Edit>
AccessibleTextBox<Edit>::AccessibleTextBox(Edit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

template <typename Edit>
Edit* AccessibleTextBox<Edit>::edit() const {
  return static_cast<Edit*>(object());
}

template <typename Edit>
bool AccessibleTextBox<Edit>::takesText() const {
  return !edit()->isReadOnly() && edit()->isEnabled();
}

template <typename Edit>
QTextCursor AccessibleTextBox<Edit>::span(int startOffset, int endOffset) const {
  QTextCursor cursor(edit()->document());
  const int count = characterCount();
  cursor.setPosition(std::clamp(startOffset, 0, count));
  cursor.setPosition(std::clamp(endOffset, 0, count), QTextCursor::KeepAnchor);
  return cursor;
}

template <typename Edit>
QString AccessibleTextBox<Edit>::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) return edit()->toPlainText();
  return QAccessibleWidget::text(t);
}

template <typename Edit>
void AccessibleTextBox<Edit>::setText(QAccessible::Text t, const QString& text) {
  if (t != QAccessible::Value) {
    QAccessibleWidget::setText(t, text);
    return;
  }
  if (takesText()) edit()->setPlainText(text);
}

template <typename Edit>
QAccessible::State AccessibleTextBox<Edit>::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.readOnly = edit()->isReadOnly();
  s.editable = !edit()->isReadOnly();
  s.multiLine = true;
  s.selectableText = true;
  return s;
}

template <typename Edit>
void* AccessibleTextBox<Edit>::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (t == QAccessible::EditableTextInterface)
    return static_cast<QAccessibleEditableTextInterface*>(this);
  return QAccessibleWidget::interface_cast(t);
}

template <typename Edit>
void AccessibleTextBox<Edit>::selection(int selectionIndex, int* startOffset,
                                        int* endOffset) const {
  *startOffset = *endOffset = 0;
  const QTextCursor cursor = edit()->textCursor();
  if (selectionIndex != 0 || !cursor.hasSelection()) return;
  *startOffset = cursor.selectionStart();
  *endOffset = cursor.selectionEnd();
}

template <typename Edit>
int AccessibleTextBox<Edit>::selectionCount() const {
  return edit()->textCursor().hasSelection() ? 1 : 0;
}

template <typename Edit>
void AccessibleTextBox<Edit>::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

template <typename Edit>
void AccessibleTextBox<Edit>::removeSelection(int selectionIndex) {
  if (selectionIndex != 0) return;
  QTextCursor cursor = edit()->textCursor();
  cursor.clearSelection();
  edit()->setTextCursor(cursor);
}

template <typename Edit>
void AccessibleTextBox<Edit>::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex == 0) edit()->setTextCursor(span(startOffset, endOffset));
}

template <typename Edit>
int AccessibleTextBox<Edit>::cursorPosition() const {
  return edit()->textCursor().position();
}

template <typename Edit>
void AccessibleTextBox<Edit>::setCursorPosition(int position) {
  edit()->setTextCursor(span(position, position));
}

template <typename Edit>
QString AccessibleTextBox<Edit>::text(int startOffset, int endOffset) const {
  if (startOffset > endOffset) return {};
  // The document separates paragraphs with U+2029; readers get line breaks.
  return span(startOffset, endOffset).selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

template <typename Edit>
int AccessibleTextBox<Edit>::characterCount() const {
  return std::max(0, edit()->document()->characterCount() - 1);
}

template <typename Edit>
QRect AccessibleTextBox<Edit>::characterRect(int offset) const {
  if (offset < 0 || offset >= characterCount()) return {};
  const QTextCursor at = span(offset, offset);
  const QRect cursor = edit()->cursorRect(at);
  const QChar c = edit()->document()->characterAt(offset);
  const int width = c.isPrint() ? edit()->fontMetrics().horizontalAdvance(c) : 1;
  const QRect r(cursor.left(), cursor.top(), width, cursor.height());
  return QRect(edit()->viewport()->mapToGlobal(r.topLeft()), r.size());
}

template <typename Edit>
int AccessibleTextBox<Edit>::offsetAtPoint(const QPoint& point) const {
  const QPoint local = edit()->viewport()->mapFromGlobal(point);
  if (!edit()->viewport()->rect().contains(local)) return -1;
  return edit()->cursorForPosition(local).position();
}

template <typename Edit>
void AccessibleTextBox<Edit>::scrollToSubstring(int startIndex, int endIndex) {
  edit()->setTextCursor(span(endIndex, endIndex));
  edit()->ensureCursorVisible();
  edit()->setTextCursor(span(startIndex, startIndex));
  edit()->ensureCursorVisible();
}

template <typename Edit>
QString AccessibleTextBox<Edit>::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = std::clamp(offset, 0, characterCount());
  return {};
}

template <typename Edit>
void AccessibleTextBox<Edit>::deleteText(int startOffset, int endOffset) {
  replaceText(startOffset, endOffset, QString());
}

template <typename Edit>
void AccessibleTextBox<Edit>::insertText(int offset, const QString& text) {
  replaceText(offset, offset, text);
}

template <typename Edit>
void AccessibleTextBox<Edit>::replaceText(int startOffset, int endOffset, const QString& text) {
  if (!takesText() || startOffset > endOffset) return;
  span(startOffset, endOffset).insertText(text);
}

template class AccessibleTextBox<QPlainTextEdit>;
template class AccessibleTextBox<QTextEdit>;

}  // namespace vm::ui
