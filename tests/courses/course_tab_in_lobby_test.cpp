// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTabWidget>
#include <QTest>

#include "app/frm_lobby.h"
#include "courses/course_files.h"
#include "support/test_app.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"

using vm::ui::PellamButton;

// The Course Index tab in the main window itself: listed at the first activation, and a find that
// keeps the user on this tab until it ends.
TEST(CourseTabInLobby, AFindLocksTheSearchTabAndTheWayOutUntilItEnds) {
  vm::test::TestApp app;
  app.folder.write("Name.List", std::string(1000, '\0'));
  app.folder.write("Training.Records", std::string(300, '\0'));
  app.folder.write("Course.Index", vm::test::courseFile({
                                       {45001, "FA-01", "First Aid", "", 2.0f, ""},
                                       {45002, "CPR", "Resuscitation", "", 4.0f, ""},
                                   }));
  app.state.CurrentAccessLevel = 4;
  vm::app::frmLobby lobby(app.state);
  lobby.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return lobby.windowActivated(); }, 3000));
  lobby.tabMain()->setCurrentIndex(1);
  const auto button = [&](const char* name) { return lobby.findChild<PellamButton*>(name); };

  EXPECT_EQ(lobby.courseGrid()->rows(), 2);
  EXPECT_EQ(lobby.courseGrid()->text(1, 0), "CPR");
  EXPECT_TRUE(lobby.tabMain()->isTabEnabled(2));
  EXPECT_EQ(button("cmdSearch")->caption(), "Find and Highlight a Course...");

  app.dialogs.answerInput("aid");
  QTest::mouseClick(button("cmdSearch"), Qt::LeftButton);
  EXPECT_EQ(lobby.courseGrid()->currentRow(), 2);
  EXPECT_FALSE(lobby.tabMain()->isTabEnabled(2));
  EXPECT_FALSE(button("cmdAdminWindow")->isVisible());
  EXPECT_TRUE(button("cmdQuitSearching")->isVisible());
  const auto unlit = button("cmdQuitSearching")->backColor();
  EXPECT_TRUE(QTest::qWaitFor([&] { return button("cmdQuitSearching")->backColor() != unlit; },
                              2000));  // flashing

  QTest::mouseClick(button("cmdQuitSearching"), Qt::LeftButton);
  EXPECT_TRUE(lobby.tabMain()->isTabEnabled(2));
  EXPECT_TRUE(button("cmdAdminWindow")->isVisible());
  EXPECT_FALSE(button("cmdQuitSearching")->isVisible());
  EXPECT_TRUE(button("cmdAddCourse")->isVisible());
  EXPECT_EQ(lobby.courseGrid()->currentRow(), 2);
  lobby.hide();
}
