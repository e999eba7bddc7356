// SPDX-License-Identifier: GPL-3.0-or-later
// Every list box of every window in which the user chooses entries takes the choice from
// assistive technology as from the mouse, and the window acts on it.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "app/window_catalogue.h"
#include "ui/button/pellam_button.h"

namespace vm::test {
namespace {

TEST(ListBoxes, AChoiceMadeByAssistiveTechnologyIsTheChoice) {
  int visited = 0;
  for (const WindowCase& wc : allWindows()) {
    OpenWindow w(wc.name);
    for (QListWidget* list : w.reachable<QListWidget>()) {
      if (list->selectionMode() == QAbstractItemView::NoSelection || list->count() < 2) continue;
      SCOPED_TRACE(wc.name + ": " + list->objectName().toStdString());
      ++visited;
      QAccessibleTableInterface* table =
          QAccessible::queryAccessibleInterface(list)->tableInterface();
      ASSERT_NE(table, nullptr);
      table->selectRow(1);
      EXPECT_TRUE(list->item(1)->isSelected());
      table->cellAt(0, 0)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
      EXPECT_EQ(list->selectedItems().size(), 2);
      table->unselectRow(1);
      EXPECT_EQ(list->selectedItems().size(), 1);
    }
  }
  EXPECT_GE(visited, 1);
}

// The credit window lists the persons chosen and offers to credit them.
TEST(ListBoxes, TheCreditWindowCreditsThePersonsChosenByAssistiveTechnology) {
  OpenWindow w("credit window");
  w.control<QLineEdit>("txtDate")->setText("03/14/2025");
  auto* names = w.control<QListWidget>("listNames");
  QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(names)->tableInterface();
  table->selectRow(0);
  table->selectRow(2);
  auto* chosen = w.control<QListWidget>("listSelected");
  ASSERT_EQ(chosen->count(), 2);
  EXPECT_EQ(chosen->item(0)->text(), names->item(0)->text());
  EXPECT_EQ(chosen->item(1)->text(), names->item(2)->text());
  auto* save = w.control<ui::PellamButton>("cmdSave");
  EXPECT_TRUE(save->isVisible() && save->isEnabled());
}

}  // namespace
}  // namespace vm::test
