// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace vm::ui {

// What assistive technology sees of a multi-line text box (QPlainTextEdit or QTextEdit: the
// comments boxes, the help text, the user log). Qt's own reports a locked box read-only yet
// lets the accessibility interface insert, delete and replace its text; here a locked box
// takes no text from any side.
template <typename Edit>
class AccessibleTextBox : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
 public:
  explicit AccessibleTextBox(Edit* edit);

  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text t, const QString& text) override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  // QAccessibleTextInterface
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

  // QAccessibleEditableTextInterface
  void deleteText(int startOffset, int endOffset) override;
  void insertText(int offset, const QString& text) override;
  void replaceText(int startOffset, int endOffset, const QString& text) override;

 private:
  Edit* edit() const;
  bool takesText() const;
  // A cursor over the box's text with the characters start..end selected, within bounds.
  QTextCursor span(int startOffset, int endOffset) const;
};

}  // namespace vm::ui
