// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lobby_buttons.h"

namespace vm::app {

LobbyButtons computeLobbyButtons(const LobbyData& d) {
  // A copy that only reads views records at any level and changes none.
  const bool canEdit = d.accessLevel >= 2 && !d.readOnly;
  const bool canAdd = d.accessLevel >= 3 && !d.readOnly;
  const bool canDelete = d.accessLevel >= 4 && !d.readOnly;
  const bool names = d.nameRows > 0;
  const bool courses = d.courseRows > 0;
  const std::string editCaption = canEdit ? "Edit Person" : "View Details";
  const std::string editCourseCaption = canEdit ? "Edit Course" : "View Details";
  const auto unchanged = std::nullopt;

  LobbyButtons out;
  out.searchTabAvailable = d.trainingRecordsExist && d.namesOnFile >= 1;
  out.refreshShown = d.readOnly;
  out.buttons = {
      {"cmdBackupRestore", unchanged,
       " Backup and Restore Options (Full access level privileges required) ", d.userListExists,
       true},
      {"cmdAdminWindow", unchanged, " Return to the Admin Window ", true, true},
      {"cmdHelp", unchanged, " Click here for more information about this window ", true, true},
      {"cmdQuit", unchanged, " Click here to exit " + d.applicationTitle + " ", true, true},

      {"cmdAddName", "Add Person", " Add a person to the 'Name List' ", true, canAdd},
      {"cmdEditName", editCaption, " View/Edit the information on the highlighted person ", names,
       true},
      {"cmdDeleteName", "Delete Person", " Delete the highlighted person from the 'Name List' ",
       names, canDelete},
      {"cmdTrainingHistory", "Training History",
       " View/Edit the highlighted person's training history ", names, d.trainingRecordsExist},
      {"cmdPrintNameList", "Print this List", " Print this 'Name List' ", names, true},

      {"cmdSearch", "Find and Highlight a Course...", "", d.courseRows >= 2, true},
      {"cmdQuitSearching", "Quit Searching", "", false, true},
      // Whether the highlighted course can be credited is decided as the highlight moves.
      {"cmdCreditTraining",
       "Credit the highlighted course to\none or more person(s) training record(s)...",
       " Credit person(s) as having completed a training course... ", names && courses, unchanged},
      {"cmdAddCourse", "Add Course", " Add a training course to the 'Course Index' ", true, canAdd},
      {"cmdEditCourse", editCourseCaption,
       " View/Edit the information contained in this training course ", courses, true},
      {"cmdDeleteCourse", "Delete Course",
       " Delete the highlighted course from the 'Course Index' ", courses, canDelete},
      {"cmdPrintCourseIndex", "Print this Index", " Print this 'Course Index' ", courses, true},

      // The search and results tabs show and enable these themselves.
      {"cmdMatch", "Conduct the Search Now",
       " Search for persons who have training records that match the above criteria... ", unchanged,
       unchanged},
      {"cmdAnnualSummary", "Conduct the Summary Now",
       " Summarize training hours of all persons for the indicated year... ", unchanged, unchanged},
      {"cmdMatrix", "Show the Training Matrix",
       " Show the latest training dates of these persons in the chosen courses... ", unchanged,
       unchanged},
      {"cmdFinishedSummary", "Finished with this\nSearch/Summary",
       " Click here to close this Search/Summary tab ", unchanged, unchanged},
      {"cmdSummaryTrainingHistory", "Training History",
       " View (no editing) the highlighted person's training history ", unchanged, unchanged},
      {"cmdSummaryPrint", "Print this List", " Print this Search/Summary list ", unchanged,
       unchanged},
  };
  return out;
}

}  // namespace vm::app
