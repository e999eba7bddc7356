// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace vm::ui {

// What assistive technology sees of a one-line text box. Qt's own calls a locked
// (read-only) box editable as well as read-only; here a locked box is read-only only, and
// refuses text changes through the accessibility interface as it does from the keyboard.
// A password box gives out no text, only as many "*" as it holds.
class AccessibleLineEdit : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
 public:
  explicit AccessibleLineEdit(QLineEdit* edit);

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
  QLineEdit* lineEdit() const;
  bool showsText() const;
  // The text readers get: the box's own, or as many "*" in a password box.
  QString readable() const;
  // Replaces the box's text unless it is locked.
  void change(const QString& text);
};

}  // namespace vm::ui
