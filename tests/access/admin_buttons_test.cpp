// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/admin_buttons.h"

#include <gtest/gtest.h>

using namespace vm::access;

namespace {

AdminButtons buttons(AdminMode mode, bool hasUsers = true, bool log = true, bool typed = false) {
  return computeAdminButtons({mode, hasUsers, log, typed, "Verdimark", log});
}

}  // namespace

TEST(AdminButtons, SelectionOffersTheUserListAndTheTealEditCommand) {
  const AdminButtons b = buttons(AdminMode::Selection);
  EXPECT_EQ(b.cmdAdmin.caption, "Edit the '&User List'");
  EXPECT_EQ(b.cmdAdmin.toolTip, " Click here to Add, Edit/View, and/or Delete Users ");
  EXPECT_TRUE(b.cmdAdmin.visible);
  EXPECT_EQ(b.cmdAdmin.foreColor, kBlack);
  EXPECT_EQ(b.cmdAdmin.backColor, kAdminTeal);
  EXPECT_EQ(b.cmdAdmin.backOver, kAdminTeal);
  EXPECT_EQ(b.cmdUserSelected.caption, "&Select the Highlighted User");
  EXPECT_EQ(b.cmdUserSelected.toolTip, " Proceed to the Program with this User ");
  EXPECT_TRUE(b.cmdUserSelected.visible);
  EXPECT_TRUE(b.cmdUserSelected.enabled);
  EXPECT_EQ(b.cmdQuit.toolTip, " Click here to exit Verdimark ");
  EXPECT_EQ(b.cmdHelp.toolTip, "Click here for more information about this 'Admin Window'... ");
  EXPECT_TRUE(b.cmdHelp.visible && b.cmdQuit.visible);
  for (const ButtonLook* hidden :
       {&b.cmdAddUser, &b.cmdEditUser, &b.cmdDeleteUser, &b.cmdReviewUserLog, &b.cmdReviewChangeLog,
        &b.cmdContinue, &b.cmdCancel})
    EXPECT_FALSE(hidden->visible) << hidden->caption;
  EXPECT_EQ(b.flashing, FlashingButton::None);
  EXPECT_FALSE(b.passwordBoxVisible);
  EXPECT_TRUE(b.gridEnabled);

  EXPECT_FALSE(buttons(AdminMode::Selection, false).cmdUserSelected.visible);
}

TEST(AdminButtons, PasswordEntryLocksTheListAndWaitsForAPassword) {
  const AdminButtons empty = buttons(AdminMode::PasswordEntry);
  EXPECT_FALSE(empty.cmdAdmin.visible);
  EXPECT_FALSE(empty.gridEnabled);
  EXPECT_TRUE(empty.passwordBoxVisible);
  EXPECT_EQ(empty.cmdUserSelected.caption, "Enter Password at right");
  EXPECT_TRUE(empty.cmdUserSelected.bold);
  EXPECT_FALSE(empty.cmdUserSelected.enabled);
  EXPECT_EQ(empty.cmdContinue.caption, "Continue");
  EXPECT_TRUE(empty.cmdContinue.visible);
  EXPECT_FALSE(empty.cmdContinue.enabled);
  EXPECT_EQ(empty.cmdCancel.caption, "Cancel");
  EXPECT_TRUE(empty.cmdCancel.visible && empty.cmdCancel.enabled);
  EXPECT_FALSE(empty.continueIsDefault);

  const AdminButtons typed = buttons(AdminMode::PasswordEntry, true, true, true);
  EXPECT_TRUE(typed.cmdContinue.enabled);
  EXPECT_TRUE(typed.continueIsDefault);
}

TEST(AdminButtons, EditingFlashesItsCommandAndOffersTheUserCommands) {
  const AdminButtons b = buttons(AdminMode::Editing);
  EXPECT_EQ(b.cmdAdmin.caption, "Finished Editing the '&User List'");
  EXPECT_EQ(b.cmdAdmin.toolTip, " Click here when finished editing the 'User List' ");
  EXPECT_FALSE(b.cmdAdmin.foreColor.has_value());  // the flashing paints it
  EXPECT_EQ(b.flashing, FlashingButton::Admin);
  EXPECT_EQ(b.cmdAddUser.caption, "&Add User");
  EXPECT_EQ(b.cmdAddUser.toolTip, " Add a user to the 'User Name' list ");
  EXPECT_EQ(b.cmdEditUser.toolTip, " Edit the highlighted user ");
  EXPECT_EQ(b.cmdDeleteUser.toolTip, " Delete the highlighted user ");
  EXPECT_EQ(b.cmdReviewUserLog.caption, "&Review User Log");
  EXPECT_EQ(b.cmdReviewUserLog.toolTip, " Review the logged history of Users ");
  EXPECT_EQ(b.cmdReviewChangeLog.caption, "Review &Change Log");
  EXPECT_EQ(b.cmdReviewChangeLog.toolTip, " Review who changed which record, and when ");
  EXPECT_TRUE(b.cmdAddUser.visible && b.cmdEditUser.visible && b.cmdDeleteUser.visible &&
              b.cmdReviewUserLog.visible && b.cmdReviewChangeLog.visible);
  EXPECT_FALSE(b.cmdUserSelected.visible);

  const AdminButtons noUsersNoLog = buttons(AdminMode::Editing, false, false);
  EXPECT_TRUE(noUsersNoLog.cmdAddUser.visible);
  EXPECT_FALSE(noUsersNoLog.cmdEditUser.visible);
  EXPECT_FALSE(noUsersNoLog.cmdDeleteUser.visible);
  EXPECT_FALSE(noUsersNoLog.cmdReviewUserLog.visible);
  EXPECT_FALSE(noUsersNoLog.cmdReviewChangeLog.visible);
}

TEST(AdminButtons, TheLogViewLeavesOnlyItsOwnFlashingCommand) {
  const AdminButtons b = buttons(AdminMode::LogView);
  EXPECT_TRUE(b.logShown);
  EXPECT_EQ(b.flashing, FlashingButton::ReviewUserLog);
  EXPECT_EQ(b.cmdReviewUserLog.caption, "Finished Viewing");
  EXPECT_TRUE(b.cmdReviewUserLog.visible);
  EXPECT_FALSE(b.cmdReviewUserLog.foreColor.has_value());
  for (const ButtonLook* hidden : {&b.cmdAdmin, &b.cmdAddUser, &b.cmdEditUser, &b.cmdDeleteUser,
                                   &b.cmdUserSelected, &b.cmdReviewChangeLog})
    EXPECT_FALSE(hidden->visible);
  EXPECT_TRUE(b.cmdHelp.visible && b.cmdQuit.visible);

  // Back in editing, the log command returns to black text on its hover background.
  const AdminButtons back = buttons(AdminMode::Editing);
  EXPECT_EQ(back.cmdReviewUserLog.foreColor, kBlack);
  EXPECT_TRUE(back.cmdReviewUserLog.backFromHover);
}

TEST(AdminButtons, ACopyThatOnlyReadsShowsTheUsersAndLogsButChangesNoUser) {
  AdminView v;
  v.mode = AdminMode::Editing;
  v.hasUsers = v.userLogExists = v.changeLogExists = v.readOnly = true;
  const AdminButtons b = computeAdminButtons(v);
  for (const ButtonLook* look : {&b.cmdAddUser, &b.cmdEditUser, &b.cmdDeleteUser})
    EXPECT_TRUE(look->visible && !look->enabled) << look->caption;
  EXPECT_TRUE(b.cmdReviewUserLog.enabled && b.cmdReviewChangeLog.enabled);
}
