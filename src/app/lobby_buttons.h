// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vm::app {

// What the main window's buttons depend on: who is logged in and what the files and
// lists hold at the moment of the refresh.
struct LobbyData {
  int accessLevel = 1;
  bool readOnly = false;  // another copy holds the data folder: nothing may be changed
  bool userListExists = false;
  bool trainingRecordsExist = false;
  int namesOnFile = 0;  // Name.List's count at its last open
  int nameRows = 0;     // data rows of the Name List grid
  int courseRows = 0;   // data rows of the Course Index grid
  std::string applicationTitle;
};

// One button as the refresh leaves it. An empty field is left as it is: picture buttons
// keep their picture, and a few buttons are shown and enabled by their own tabs.
struct ButtonState {
  std::string name;  // the button's objectName
  std::optional<std::string> caption;
  std::string toolTip;
  std::optional<bool> visible;
  std::optional<bool> enabled;
};

struct LobbyButtons {
  std::vector<ButtonState> buttons;  // in the order they are set
  bool searchTabAvailable = false;
  // "Refresh" (and F5), for a copy that reads the lists beside the one that changes them; the
  // status line beside it says who that is.
  bool refreshShown = false;
};

// The captions, tool tips, visibility and enabled state of every button of the main
// window, for every tab, from the access level and the data present.
LobbyButtons computeLobbyButtons(const LobbyData& data);

}  // namespace vm::app
