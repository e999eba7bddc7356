// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility/accessible_application.h"

#include <QApplication>
#include <QMenu>

namespace vm::ui {
namespace {

QList<QMenu*> openMenus() {
  QList<QMenu*> menus;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->isVisible()) menus.append(menu);
  return menus;
}

}  // namespace

int AccessibleApplication::childCount() const {
  return QAccessibleApplication::childCount() + static_cast<int>(openMenus().size());
}

int AccessibleApplication::indexOfChild(const QAccessibleInterface* child) const {
  const int window = QAccessibleApplication::indexOfChild(child);
  if (window >= 0 || !child) return window;
  const auto menu = openMenus().indexOf(qobject_cast<QMenu*>(child->object()));
  return menu < 0 ? -1 : QAccessibleApplication::childCount() + static_cast<int>(menu);
}

QAccessibleInterface* AccessibleApplication::child(int index) const {
  const int windows = QAccessibleApplication::childCount();
  if (index < windows) return QAccessibleApplication::child(index);
  const QList<QMenu*> menus = openMenus();
  return index - windows < menus.size()
             ? QAccessible::queryAccessibleInterface(menus[index - windows])
             : nullptr;
}

}  // namespace vm::ui
