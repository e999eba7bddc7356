// SPDX-License-Identifier: GPL-3.0-or-later
// Every tab of every window's tab control: an unavailable tab reports itself disabled and
// cannot be chosen through assistive technology, as it cannot with the mouse or the keys.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTabBar>

#include "app/window_catalogue.h"

namespace vm::test {
namespace {

QString readable(QString caption) { return caption.replace("&&", "&"); }

TEST(Tabs, UnavailableTabsReportDisabledAndRefuseToBeChosen) {
  int unavailable = 0;
  for (const WindowCase& wc : allWindows()) {
    OpenWindow w(wc.name);
    for (QTabBar* bar : w.reachable<QTabBar>()) {
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(bar);
      ASSERT_NE(a, nullptr);
      for (int i = 0; i < bar->count(); ++i) {
        SCOPED_TRACE(wc.name + ": tab " + bar->tabText(i).toStdString());
        QAccessibleInterface* tab = a->child(i);
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->text(QAccessible::Name), readable(bar->tabText(i)));
        EXPECT_EQ(a->indexOfChild(tab), i);
        EXPECT_EQ(tab->state().disabled, !bar->isTabEnabled(i));
        const int before = bar->currentIndex();
        tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        if (bar->isTabEnabled(i)) {
          EXPECT_EQ(bar->currentIndex(), i);
          EXPECT_TRUE(tab->state().selected);
          bar->setCurrentIndex(before);
        } else {
          ++unavailable;
          EXPECT_TRUE(tab->actionInterface()->actionNames().isEmpty());
          EXPECT_EQ(bar->currentIndex(), before);
        }
      }
    }
  }
  EXPECT_GE(unavailable, 3);  // "Summary Results" until a search has run
}

}  // namespace
}  // namespace vm::test
