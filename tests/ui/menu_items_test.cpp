// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu_items.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenu>
#include <QTest>
#include <memory>

#include "support/queued_calls.h"

namespace vm::ui {
namespace {

// A menu made for one pop-up, as the lists make theirs, pressed through assistive technology:
// the press returns at once with the menu closed, the command follows, and never once its
// receiver is gone.
TEST(MenuItems, APressThroughAssistiveTechnologyIsAnsweredBeforeTheCommandRuns) {
  for (const bool receiverGoes : {false, true}) {
    auto receiver = std::make_unique<QObject>();
    int runs = 0;
    {
      QMenu menu;
      onMenuItem(menu.addAction("&Copy"), &menu, receiver.get(), [&runs] { ++runs; });
      menu.popup(QPoint(0, 0));
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
      QAccessible::queryAccessibleInterface(&menu)->child(0)->actionInterface()->doAction(
          QAccessibleActionInterface::pressAction());
      EXPECT_FALSE(menu.isVisible());
      EXPECT_EQ(runs, 0);
    }
    if (receiverGoes) receiver.reset();
    ASSERT_TRUE(test::runQueuedCalls());
    EXPECT_EQ(runs, receiverGoes ? 0 : 1) << (receiverGoes ? "receiver gone" : "receiver kept");
  }
}

// Chosen with the mouse or the keys, the menu has closed itself and the command runs at once.
TEST(MenuItems, AChoiceThatClosedTheMenuRunsAtOnce) {
  QObject receiver;
  QMenu menu;
  int runs = 0;
  QAction* item = menu.addAction("&Export");
  onMenuItem(item, &menu, &receiver, [&runs] { ++runs; });
  item->trigger();
  EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace vm::ui
