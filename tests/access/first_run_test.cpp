// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "access/access_fixture.h"
#include "access/frm_title_page.h"
#include "access/password.h"
#include "app/program.h"
#include "support/expect_box.h"

using namespace vm;
using test::click;
using test::find;
using ui::Answer;

// A new user in an empty folder: title window, overview, the empty list, the access code, the
// editor opening by itself, a user saved, selected, his password, the main window.
TEST(FirstRun, FromTheTitleWindowToTheMainWindowInAnEmptyFolder) {
  test::TestApp app;
  app.state.shutdown = [] { ADD_FAILURE() << "the program ended"; };
  app::startProgram(app.state);
  ASSERT_TRUE(app.state.showAdminWindow && app.state.showMainWindow);
  int mainWindows = 0;  // the main window has tests of its own
  app.state.showMainWindow = [&] { ++mainWindows; };

  auto* title = qobject_cast<access::frmTitlePage*>(test::topLevel("frmTitlePage"));
  ASSERT_NE(title, nullptr);
  title->setScreenSize([] { return QSize(1024, 768); });
  ASSERT_TRUE(
      test::waitFor([&] { return !test::button(title, "cmdContinue")->caption().isEmpty(); }));

  bool overviewSeen = false;
  app.dialogs.onModal("frmNewUser", [&](QWidget* overview) {
    overviewSeen = true;
    click(overview, "cmdContinue");
  });
  app.dialogs.answer(Answer::Ok);  // "'User List' Empty"
  click(title, "cmdContinue");
  EXPECT_TRUE(overviewSeen);

  QPointer<QWidget> admin;
  ASSERT_TRUE(test::waitFor([&] { return (admin = test::topLevel("frmAdmin")) != nullptr; }));
  ASSERT_TRUE(test::waitFor([&] { return !app.dialogs.messages().empty(); }));
  EXPECT_TRUE(test::isBox(
      app.dialogs.lastMessage(),
      {"'User List' Empty", "There are currently no 'Users'\nentered in the 'User List'",
       ui::MessageIcon::Information}));
  auto* grid = admin->findChild<ui::Grid*>("grid");
  ASSERT_TRUE(test::waitFor([&] { return qobject_cast<access::frmAdmin*>(admin)->activated(); }));
  EXPECT_FALSE(grid->isVisible());
  EXPECT_TRUE(test::shows(admin, "cmdAdmin") && test::shows(admin, "cmdHelp") &&
              test::shows(admin, "cmdQuit"));
  EXPECT_FALSE(test::shows(admin, "cmdUserSelected") || test::shows(admin, "cmdAddUser"));

  app.dialogs.answerInput("TRAIN-2024");
  app.dialogs.onModal("frmAddEditUser", [&](QWidget* editor) {
    EXPECT_EQ(editor->windowTitle(), "Add a User - Verdimark");
    QTest::keyClicks(find<QLineEdit>(editor, "txtField1"), "Ann");
    QTest::keyClicks(find<QLineEdit>(editor, "txtField2"), "Lee");
    QTest::keyClicks(find<QLineEdit>(editor, "txtField3"), "Tr41n");
    click(editor, "cmdSave");
  });
  click(admin, "cmdAdmin");  // the editor opens by itself on an empty list
  ASSERT_EQ(grid->rows(), 1);
  EXPECT_TRUE(grid->isVisible());
  EXPECT_EQ(grid->currentRow(), 1);
  EXPECT_EQ(grid->text(1, 0), "Ann Lee");
  EXPECT_EQ(grid->text(1, 1), "Read Only");
  EXPECT_EQ(grid->text(1, 2), "12/08/2026");
  EXPECT_EQ(access::UnscramblePassword(app.folder.read("User.List").substr(43, 16)), "Tr41n");

  click(admin, "cmdAdmin");  // finished editing
  click(admin, "cmdUserSelected");
  QTest::keyClicks(find<QLineEdit>(admin, "txtPassword"), "Tr41n");
  click(admin, "cmdContinue");
  EXPECT_EQ(mainWindows, 1);
  EXPECT_EQ(app.state.CurrentUserName, "Ann Lee");
  EXPECT_EQ(app.state.CurrentAccessLevel, 1);
  EXPECT_EQ(app.folder.read("User.Log"),
            "12/08/2026 at 10:30:00 - Ann Lee logged in w/ Read Only "
            "privileges.\r\n");
  EXPECT_TRUE(test::waitFor([&] { return admin.isNull(); }));
  EXPECT_EQ(app.dialogs.messages().size(), 1u);
}
