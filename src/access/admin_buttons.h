// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace vm::access {

// The states of the admin window: picking a user, typing his password, maintaining the
// user list (after the access code), and reading the user log.
enum class AdminMode { Selection, PasswordEntry, Editing, LogView };

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kAdminTeal{0, 128, 128};

// What one command shows in a state. Colours are set only where the state restores them;
// the flashing button takes its colours from the flash timer instead.
struct ButtonLook {
  std::string caption;  // empty for picture buttons
  std::string toolTip;
  bool visible = false;
  bool enabled = true;
  bool bold = false;
  std::optional<Rgb> foreColor;
  std::optional<Rgb> backColor;
  std::optional<Rgb> backOver;
  bool backFromHover = false;  // the background goes back to the hover background
};

struct AdminView {
  AdminMode mode = AdminMode::Selection;
  bool hasUsers = false;       // the user grid has a data row
  bool userLogExists = false;  // a file User.Log exists, of any length
  bool passwordTyped = false;  // the password box is not empty
  std::string appTitle;
  bool changeLogExists = false;  // a file Change.Log exists, of any length
  bool readOnly = false;         // another copy holds the data folder: users are only viewed
};

enum class FlashingButton { None, Admin, ReviewUserLog };

struct AdminButtons {
  ButtonLook cmdAdmin, cmdHelp, cmdQuit, cmdAddUser, cmdEditUser, cmdDeleteUser, cmdUserSelected,
      cmdReviewUserLog, cmdReviewChangeLog, cmdContinue, cmdCancel;
  FlashingButton flashing = FlashingButton::None;
  bool passwordBoxVisible = false;
  bool gridEnabled = true;
  bool logShown = false;           // the log text stands in place of the grid
  bool continueIsDefault = false;  // Enter logs in; otherwise Enter cancels the entry
};

// Every command of the admin window in one state, decided in one place.
AdminButtons computeAdminButtons(const AdminView& view);

}  // namespace vm::access
