// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/history_buttons.h"

namespace vm::training {

std::vector<HistoryButton> historyButtons(int accessLevel, bool gridShown, bool viewOnly) {
  const bool changes = gridShown && !viewOnly;
  const auto unchanged = std::nullopt;
  return {
      {"cmdEditTraining", "Edit Training",
       " Edit the information in the highlighted Training History record ", changes,
       accessLevel >= 2 && accessLevel <= 4},
      {"cmdDeleteTraining", "Delete Training", " Delete the highlighted Training History record ",
       changes, accessLevel == 4},
      {"cmdPrintTraining", unchanged, " Print this Training History information ", gridShown, true},
      {"cmdHelp", unchanged,
       " Click here for more information about the 'Training History' window ", true, true},
      {"cmdSaveComments", "&Save Changes", " Save the changes made to the comments ", false,
       unchanged},
      {"cmdCancelComments", "&Cancel Changes", " Do NOT save any comment changes ", false,
       unchanged},
      {"cmdReturn", unchanged, " Close this Training History window  ", true, true},
  };
}

}  // namespace vm::training
