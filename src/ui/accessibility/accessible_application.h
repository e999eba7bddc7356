// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleObject>

namespace vm::ui {

// The program as assistive technology sees it: its windows and, while one is open, its pop-up
// menus. The toolkit leaves pop-ups out of the application's children, so a screen reader
// that looks for a menu's items by their captions would not find the backup and restore menu
// or any other menu the program pops up.
class AccessibleApplication : public QAccessibleApplication {
 public:
  int childCount() const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* child(int index) const override;
};

}  // namespace vm::ui
