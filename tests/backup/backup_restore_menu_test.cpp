// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_restore_menu.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenu>
#include <QTest>

#include "app/frm_lobby.h"
#include "courses/course_files.h"
#include "names/name_bytes.h"
#include "support/test_app.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"

using namespace vm;
using test::CourseBytes;
using ui::Answer;

// The way a user goes: the button, the menu, the folder, the warning; then the main window
// lists what the backup holds.
TEST(BackupRestoreMenu, ARestoreThroughTheMainWindowRebuildsItsListsAndButtons) {
  test::TestApp app;
  app.folder.write("User.List", std::string(500, ' '));
  app.folder.write("Name.List", test::nameList({{38000.5, "Bob", "", "Lee", "", "", "", -1}}));
  test::TempFolder backup;
  backup.write("User.List", std::string(1000, ' '));
  backup.write("User.Log", "");
  backup.write("Name.List", test::nameList({{39000.5, "Cy", "", "Ng", "", "", "", -1},
                                            {39001.5, "Di", "", "Ng", "", "", "", -1},
                                            {39002.5, "Ed", "", "Ng", "", "", "", -1}}));
  backup.write("Course.Index", test::courseFile({{45001, "C01", "First", "", 1.0f, ""},
                                                 {45002, "C02", "Second", "", 2.0f, ""}}));
  backup.write("Training.Records", "");

  app.logIn(4);
  app::frmLobby lobby(app.state);
  lobby.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return lobby.windowActivated(); }, 3000));
  ASSERT_EQ(lobby.nameGrid()->rows(), 1);
  QWidget* courseTab = lobby.tabMain()->widget(1);
  auto* find = lobby.findChild<ui::PellamButton*>("cmdSearch");
  EXPECT_FALSE(find->isVisibleTo(courseTab));  // shown for two courses or more

  auto* menu = lobby.findChild<QMenu*>("menuBackupRestoreMenu");
  ASSERT_NE(menu, nullptr);
  QStringList items;
  for (QAction* a : menu->actions())
    items << a->objectName() + "=" + (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(items, QStringList({"menuBackupRestore1=Backup the Verdimark data files",
                                "menuBackupRestore2=Restore the Verdimark data files",
                                "menuBackupRestore3=-", "menuBackupRestore4=Exit this Menu",
                                "menuBackupRestore5=-",
                                "menuBackupRestore6=Copy this Data Folder to a Server...",
                                "menuBackupRestore7=Copy the Server to a Data Folder..."}));

  app.dialogs.chooseMenuItem("Restore the Verdimark data files");
  app.dialogs.answerFolder(QString::fromStdString(backup.str()));
  app.dialogs.answer(Answer::Yes);  // "Important! Please read carefully..."
  app.dialogs.answer(Answer::Ok);   // restored
  QTest::mouseClick(lobby.findChild<ui::PellamButton*>("cmdBackupRestore"), Qt::LeftButton);

  EXPECT_EQ(app.dialogs.shown().front().kind, test::ScriptedDialogs::Kind::Menu);
  EXPECT_EQ(app.dialogs.lastMessage().text,
            "Your previously backed up \nVerdimark data files\nhas been successfully restored!");
  EXPECT_EQ(app.folder.read("Name.List"), backup.read("Name.List"));
  EXPECT_FALSE(app.state.DataRestored);
  EXPECT_EQ(lobby.nameGrid()->rows(), 3);
  EXPECT_EQ(lobby.courseGrid()->rows(), 2);
  EXPECT_TRUE(find->isVisibleTo(courseTab));
  EXPECT_EQ(lobby.windowTitle(), "Verdimark");
  EXPECT_TRUE(lobby.isEnabled());

  // "Exit this Menu" closes the menu and does nothing else.
  app.dialogs.clear();
  app.dialogs.chooseMenuItem("Exit this Menu");
  QTest::mouseClick(lobby.findChild<ui::PellamButton*>("cmdBackupRestore"), Qt::LeftButton);
  EXPECT_EQ(app.dialogs.shown().size(), 1u);
}

// A screen reader presses an item without the menu closing itself and waits for the answer:
// it is answered at once, and the menu closes before the work begins.
TEST(BackupRestoreMenu, AnItemPressedByAScreenReaderClosesTheMenuAndRuns) {
  test::TestApp app;
  QWidget window;
  backup::BackupRestoreMenu menu(app.state, &window);
  menu.popup(QPoint(0, 0));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
  QAccessibleInterface* item = QAccessible::queryAccessibleInterface(&menu)->child(0);
  ASSERT_EQ(item->text(QAccessible::Name), "Backup the Verdimark data files");
  app.dialogs.answerFolder({});  // the picker, cancelled
  item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_FALSE(menu.isVisible());
  EXPECT_TRUE(app.dialogs.shown().empty());
  EXPECT_TRUE(QTest::qWaitFor([&app] { return app.dialogs.shown().size() == 1u; }, 1000));
}

// The restore pressed by a screen reader runs after the menu has gone; the main window
// rebuilds its lists all the same.
TEST(BackupRestoreMenu, ARestorePressedByAScreenReaderRebuildsTheLists) {
  test::TestApp app;
  app.folder.write("User.List", std::string(500, ' '));
  app.folder.write("Name.List", test::nameList({{38000.5, "Bob", "", "Lee", "", "", "", -1}}));
  test::TempFolder backup;
  for (const char* name : {"User.List", "User.Log", "Course.Index", "Training.Records"})
    backup.write(name, name == std::string("User.List") ? std::string(500, ' ') : "");
  backup.write("Name.List", test::nameList({{39000.5, "Cy", "", "Ng", "", "", "", -1},
                                            {39001.5, "Di", "", "Ng", "", "", "", -1}}));
  app.state.CurrentAccessLevel = 4;
  app::frmLobby lobby(app.state);
  lobby.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return lobby.windowActivated(); }, 3000));
  ASSERT_EQ(lobby.nameGrid()->rows(), 1);

  auto* menu = lobby.findChild<QMenu*>("menuBackupRestoreMenu");
  menu->popup(QPoint(0, 0));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
  app.dialogs.answerFolder(QString::fromStdString(backup.str()));
  app.dialogs.answer(Answer::Yes);  // "Important! Please read carefully..."
  app.dialogs.answer(Answer::Ok);   // restored
  QAccessible::queryAccessibleInterface(menu)->child(1)->actionInterface()->doAction(
      QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] { return lobby.nameGrid()->rows() == 2; }, 3000));
  EXPECT_FALSE(app.state.DataRestored);
}
