// SPDX-License-Identifier: GPL-3.0-or-later
// Every pop-up menu of every window: while it is open assistive technology finds it among the
// program's children, its items named by their captions and pressed by their action; Esc closes
// it, and so does an item pressed through assistive technology, whose work waits until the
// press is answered.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <set>

#include "app/window_catalogue.h"

namespace vm::test {
namespace {

// The open menus among the program's children, by name, as a screen reader walks them.
std::set<QString> menusOfTheProgram() {
  std::set<QString> menus;
  QAccessibleInterface* program = QAccessible::queryAccessibleInterface(qApp);
  for (int i = 0; i < program->childCount(); ++i) {
    QAccessibleInterface* child = program->child(i);
    if (!child || child->role() != QAccessible::PopupMenu) continue;
    EXPECT_EQ(program->indexOfChild(child), i);
    menus.insert(child->object()->objectName());
  }
  return menus;
}

TEST(Menus, OpenMenusAreFoundByTheirItemsAndCloseWithEsc) {
  std::set<QString> visited;
  for (const WindowCase& wc : allWindows()) {
    OpenWindow w(wc.name);
    for (QMenu* menu : w.window()->findChildren<QMenu*>()) {
      SCOPED_TRACE(wc.name + ": " + menu->objectName().toStdString());
      visited.insert(menu->objectName());
      EXPECT_TRUE(menusOfTheProgram().empty());
      menu->popup(w.window()->geometry().center());
      ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
      EXPECT_EQ(menusOfTheProgram(), std::set<QString>{menu->objectName()});

      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(menu);
      QStringList shown, heard;
      for (QAction* item : menu->actions())
        if (!item->isSeparator()) shown << QString(item->text()).remove('&');
      for (int i = 0; i < a->childCount(); ++i) {
        QAccessibleInterface* item = a->child(i);
        if (item->role() == QAccessible::Separator) continue;
        heard << item->text(QAccessible::Name);
        EXPECT_TRUE(item->actionInterface() && item->actionInterface()->actionNames().contains(
                                                   QAccessibleActionInterface::pressAction()))
            << item->text(QAccessible::Name).toStdString() << " cannot be pressed";
      }
      EXPECT_EQ(heard, shown);

      QTest::keyClick(menu, Qt::Key_Escape);
      EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 1000));
      EXPECT_TRUE(menusOfTheProgram().empty());

      menu->popup(w.window()->geometry().center());
      ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
      // The backup menu's last item first asks which server: the question is cancelled.
      if (menu->objectName() == "menuBackupRestoreMenu") w.app().dialogs.answerInput({});
      bool ran = false;
      QObject::connect(menu->actions().constLast(), &QAction::triggered, [&ran] { ran = true; });
      a->child(a->childCount() - 1)
          ->actionInterface()
          ->doAction(QAccessibleActionInterface::pressAction());
      EXPECT_TRUE(ran);
      EXPECT_FALSE(menu->isVisible());
      QApplication::processEvents();
    }
  }
  EXPECT_EQ(visited, (std::set<QString>{"menuBackupRestoreMenu", "menuHelpMenu", "menuEditmenu"}));
}

}  // namespace
}  // namespace vm::test
