#include "ui/menu_items.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace vm::ui {

void onMenuItem(QAction* item, QMenu* menu, std::function<void()> handler) {
  QObject::connect(item, &QAction::triggered, menu, [menu, handler = std::move(handler)] {
    if (!menu->isVisible()) {
      handler();
      return;
    }
    menu->hide();
    QTimer::singleShot(0, menu, handler);
  });
}

}  // namespace vm::ui
