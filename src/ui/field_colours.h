// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace vm::ui {

// The editors' text fields light up while they have the focus and turn cyan when they
// lose it; whatever a field holds when it gets the focus is selected whole, so typing
// replaces it. One object serves all the fields of a window.
class FieldColours : public QObject {
  Q_OBJECT

 public:
  static inline const QColor kAddMode{255, 255, 0};     // yellow
  static inline const QColor kEditMode{255, 192, 255};  // light pink
  static inline const QColor kLeft{0, 255, 255};        // cyan

  FieldColours(QColor focused, QObject* parent);
  // An editor's: yellow while adding, pink while viewing or editing.
  static FieldColours* forEditor(bool adding, QObject* parent);

  void attach(QWidget* field);
  void setFocusedColour(QColor c) { focused_ = c; }
  // While set, a field that gets the focus passes it on to this widget instead (the
  // read-only view of the lowest access level); Tab and Shift+Tab pass on over the fields to
  // the next control in their direction.
  void passFocusTo(QWidget* target) { passTo_ = target; }
  // That read-only view: every attached field is locked against editing and passes the focus on.
  void lockForViewing(QWidget* target);

  static void paint(QWidget* field, const QColor& colour);

 signals:
  // A field got the focus, before its text is selected (for hints that fill it first).
  void fieldFocused(QWidget* field);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* nextAfter(QWidget* from, bool forward) const;

  QColor focused_;
  QPointer<QWidget> passTo_;
  std::vector<QPointer<QWidget>> fields_;
};

}  // namespace vm::ui
