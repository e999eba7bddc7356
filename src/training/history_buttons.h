// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vm::training {

// One button of the training history window as its button setting leaves it. An empty caption
// or enabled state is left as it is.
struct HistoryButton {
  std::string name;  // the button's objectName
  std::optional<std::string> caption;
  std::string toolTip;
  bool visible = false;
  std::optional<bool> enabled;
};

// The buttons after a fill, after a comment edit ends and after a removal: editing from access
// level 2, removing at level 4, neither when the history is only for viewing; printing while
// there is a list to print.
std::vector<HistoryButton> historyButtons(int accessLevel, bool gridShown, bool viewOnly);

}  // namespace vm::training
