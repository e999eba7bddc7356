// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/admin_buttons.h"

namespace vm::access {
namespace {

ButtonLook look(std::string caption, std::string toolTip, bool visible, bool enabled = true) {
  ButtonLook b;
  b.caption = std::move(caption);
  b.toolTip = std::move(toolTip);
  b.visible = visible;
  b.enabled = enabled;
  return b;
}

}  // namespace

AdminButtons computeAdminButtons(const AdminView& view) {
  const bool editing = view.mode == AdminMode::Editing;
  const bool logView = view.mode == AdminMode::LogView;
  const bool entry = view.mode == AdminMode::PasswordEntry;
  AdminButtons b;

  if (editing || logView) {
    b.cmdAdmin = look("Finished Editing the '&User List'",
                      " Click here when finished editing the 'User List' ", editing);
  } else {
    b.cmdAdmin = look("Edit the '&User List'",
                      " Click here to Add, Edit/View, and/or Delete Users ", !entry);
    b.cmdAdmin.foreColor = kBlack;
    b.cmdAdmin.backColor = kAdminTeal;
    b.cmdAdmin.backOver = kAdminTeal;
  }
  b.cmdHelp = look("", "Click here for more information about this 'Admin Window'... ", true);
  b.cmdQuit = look("", " Click here to exit " + view.appTitle + " ", true);
  // A copy that only reads the folder shows the user list and its logs but changes no user.
  const bool mayChange = !view.readOnly;
  b.cmdAddUser = look("&Add User", " Add a user to the 'User Name' list ", editing, mayChange);
  b.cmdEditUser =
      look("&Edit User", " Edit the highlighted user ", editing && view.hasUsers, mayChange);
  b.cmdDeleteUser =
      look("&Delete User", " Delete the highlighted user ", editing && view.hasUsers, mayChange);

  b.cmdUserSelected =
      look("&Select the Highlighted User", " Proceed to the Program with this User ",
           (view.mode == AdminMode::Selection || entry) && view.hasUsers);
  if (entry) {
    b.cmdUserSelected.caption = "Enter Password at right";
    b.cmdUserSelected.enabled = false;
    b.cmdUserSelected.bold = true;
  }

  b.cmdReviewUserLog =
      look(logView ? "Finished Viewing" : "&Review User Log",
           " Review the logged history of Users ", logView || (editing && view.userLogExists));
  if (!logView) {
    b.cmdReviewUserLog.foreColor = kBlack;
    b.cmdReviewUserLog.backFromHover = true;
  }

  b.cmdReviewChangeLog = look("Review &Change Log", " Review who changed which record, and when ",
                              editing && view.changeLogExists);

  b.cmdContinue = look("Continue", "", entry, view.passwordTyped);
  b.cmdCancel = look("Cancel", "", entry);

  b.flashing = editing ? FlashingButton::Admin
                       : (logView ? FlashingButton::ReviewUserLog : FlashingButton::None);
  b.passwordBoxVisible = entry;
  b.gridEnabled = !entry;
  b.logShown = logView;
  b.continueIsDefault = entry && view.passwordTyped;
  return b;
}

}  // namespace vm::access
