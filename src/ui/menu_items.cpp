// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu_items.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace vm::ui {

void onMenuItem(QAction* item, QMenu* menu, QObject* receiver, std::function<void()> handler) {
  QObject::connect(item, &QAction::triggered, receiver, [menu, receiver, handler] {
    if (!menu->isVisible()) {
      handler();
      return;
    }
    menu->hide();
    QTimer::singleShot(0, receiver, handler);
  });
}

}  // namespace vm::ui
