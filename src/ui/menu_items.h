// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QAction;
class QMenu;
class QObject;

namespace vm::ui {

// Runs `handler` when `item` of `menu` is chosen. Chosen with the mouse or the keys, the menu
// has closed itself and the handler runs at once. Pressed through assistive technology, the
// menu is still open and the screen reader waits for the press to be answered; the menu
// closes and the handler runs only after that answer, so a box or picker that the handler
// opens never holds the screen reader up. The handler never runs once `receiver` is gone, so a
// menu made for one pop-up may pass what outlives it.
void onMenuItem(QAction* item, QMenu* menu, QObject* receiver, std::function<void()> handler);

}  // namespace vm::ui
