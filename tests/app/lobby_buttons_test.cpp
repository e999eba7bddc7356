// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lobby_buttons.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vm::app;

namespace {

const ButtonState& button(const LobbyButtons& b, const std::string& name) {
  const auto it = std::find_if(b.buttons.begin(), b.buttons.end(),
                               [&](const ButtonState& s) { return s.name == name; });
  if (it == b.buttons.end()) throw std::runtime_error("no button " + name);
  return *it;
}

LobbyData full(int level) {
  LobbyData d;
  d.accessLevel = level;
  d.userListExists = true;
  d.trainingRecordsExist = true;
  d.namesOnFile = 5;
  d.nameRows = 5;
  d.courseRows = 3;
  d.applicationTitle = "Verdimark";
  return d;
}

}  // namespace

TEST(LobbyButtons, CaptionsAndToolTipsAreTheFixedTexts) {
  const auto b = computeLobbyButtons(full(4));
  ASSERT_EQ(b.buttons.size(), 22u);
  EXPECT_EQ(b.buttons[0].name, "cmdBackupRestore");
  EXPECT_EQ(b.buttons[3].name, "cmdQuit");
  EXPECT_EQ(button(b, "cmdQuit").toolTip, " Click here to exit Verdimark ");
  EXPECT_FALSE(button(b, "cmdQuit").caption.has_value());  // picture buttons keep their picture
  EXPECT_EQ(button(b, "cmdBackupRestore").toolTip,
            " Backup and Restore Options (Full access level privileges required) ");
  EXPECT_EQ(button(b, "cmdHelp").toolTip, " Click here for more information about this window ");
  EXPECT_EQ(*button(b, "cmdCreditTraining").caption,
            "Credit the highlighted course to\none or more person(s) training record(s)...");
  EXPECT_EQ(*button(b, "cmdFinishedSummary").caption, "Finished with this\nSearch/Summary");
  EXPECT_EQ(button(b, "cmdTrainingHistory").toolTip,
            " View/Edit the highlighted person's training history ");
  EXPECT_EQ(button(b, "cmdSummaryTrainingHistory").toolTip,
            " View (no editing) the highlighted person's training history ");
  EXPECT_EQ(button(b, "cmdSearch").toolTip, "");
  EXPECT_EQ(*button(b, "cmdPrintCourseIndex").caption, "Print this Index");
}

TEST(LobbyButtons, AccessLevelsDecideCaptionsAndWhatIsEnabled) {
  struct Want {
    int level;
    const char* edit;
    const char* editCourse;
    bool add, del;
  };
  for (const Want w : {Want{1, "View Details", "View Details", false, false},
                       Want{2, "Edit Person", "Edit Course", false, false},
                       Want{3, "Edit Person", "Edit Course", true, false},
                       Want{4, "Edit Person", "Edit Course", true, true}}) {
    SCOPED_TRACE(w.level);
    const auto b = computeLobbyButtons(full(w.level));
    EXPECT_EQ(*button(b, "cmdEditName").caption, w.edit);
    EXPECT_EQ(*button(b, "cmdEditCourse").caption, w.editCourse);
    EXPECT_EQ(*button(b, "cmdAddName").enabled, w.add);
    EXPECT_EQ(*button(b, "cmdAddCourse").enabled, w.add);
    EXPECT_EQ(*button(b, "cmdDeleteName").enabled, w.del);
    EXPECT_EQ(*button(b, "cmdDeleteCourse").enabled, w.del);
    // Shown whatever the level: a lower level sees them greyed.
    EXPECT_TRUE(*button(b, "cmdDeleteName").visible);
    EXPECT_TRUE(*button(b, "cmdAddCourse").visible);
    EXPECT_TRUE(*button(b, "cmdEditName").enabled);
    EXPECT_TRUE(*button(b, "cmdBackupRestore").enabled);  // the click refuses a low level
  }
}

TEST(LobbyButtons, WithNoFilesOnlyTheAlwaysPresentButtonsShow) {
  LobbyData d;
  d.accessLevel = 4;
  const auto b = computeLobbyButtons(d);
  EXPECT_FALSE(*button(b, "cmdBackupRestore").visible);
  EXPECT_TRUE(*button(b, "cmdAdminWindow").visible);
  EXPECT_TRUE(*button(b, "cmdAddName").visible);
  EXPECT_TRUE(*button(b, "cmdAddCourse").visible);
  for (const char* name : {"cmdEditName", "cmdDeleteName", "cmdTrainingHistory", "cmdPrintNameList",
                           "cmdSearch", "cmdQuitSearching", "cmdCreditTraining", "cmdEditCourse",
                           "cmdDeleteCourse", "cmdPrintCourseIndex"}) {
    EXPECT_FALSE(*button(b, name).visible) << name;
  }
  EXPECT_FALSE(b.searchTabAvailable);
}

TEST(LobbyButtons, RowsOfEachGridShowTheButtonsThatActOnThem) {
  LobbyData d = full(4);
  d.courseRows = 1;
  auto b = computeLobbyButtons(d);
  EXPECT_FALSE(*button(b, "cmdSearch").visible);  // finding needs two courses
  EXPECT_TRUE(*button(b, "cmdEditCourse").visible);
  EXPECT_TRUE(*button(b, "cmdCreditTraining").visible);
  d.courseRows = 2;
  EXPECT_TRUE(*button(computeLobbyButtons(d), "cmdSearch").visible);

  d.nameRows = 0;  // nobody listed: nothing to credit or to act on
  b = computeLobbyButtons(d);
  EXPECT_FALSE(*button(b, "cmdCreditTraining").visible);
  EXPECT_FALSE(*button(b, "cmdEditName").visible);
  EXPECT_TRUE(*button(b, "cmdEditCourse").visible);
  EXPECT_TRUE(b.searchTabAvailable);  // persons are on file even when none is listed

  d.nameRows = 1;
  d.courseRows = 0;
  b = computeLobbyButtons(d);
  EXPECT_TRUE(*button(b, "cmdEditName").visible);
  EXPECT_TRUE(*button(b, "cmdPrintNameList").visible);
  EXPECT_FALSE(*button(b, "cmdCreditTraining").visible);
  EXPECT_FALSE(*button(b, "cmdPrintCourseIndex").visible);
}

TEST(LobbyButtons, TrainingRecordsGateTheHistoryAndTheSearchTab) {
  LobbyData d = full(1);
  d.trainingRecordsExist = false;
  auto b = computeLobbyButtons(d);
  EXPECT_TRUE(*button(b, "cmdTrainingHistory").visible);
  EXPECT_FALSE(*button(b, "cmdTrainingHistory").enabled);
  EXPECT_FALSE(b.searchTabAvailable);

  d.trainingRecordsExist = true;
  d.namesOnFile = 0;
  EXPECT_FALSE(computeLobbyButtons(d).searchTabAvailable);
  d.namesOnFile = 1;
  b = computeLobbyButtons(d);
  EXPECT_TRUE(b.searchTabAvailable);
  EXPECT_TRUE(*button(b, "cmdTrainingHistory").enabled);
}

TEST(LobbyButtons, ButtonsOwnedByTheirTabsKeepTheirStates) {
  const auto b = computeLobbyButtons(full(4));
  for (const char* name : {"cmdMatch", "cmdAnnualSummary", "cmdMatrix", "cmdFinishedSummary",
                           "cmdSummaryTrainingHistory", "cmdSummaryPrint"}) {
    EXPECT_TRUE(button(b, name).caption.has_value()) << name;
    EXPECT_FALSE(button(b, name).visible.has_value()) << name;
    EXPECT_FALSE(button(b, name).enabled.has_value()) << name;
  }
  EXPECT_FALSE(button(b, "cmdCreditTraining").enabled.has_value());
  EXPECT_FALSE(*button(b, "cmdQuitSearching").visible);
}

TEST(LobbyButtons, ACopyThatOnlyReadsViewsAtEveryLevelAndChangesNothing) {
  for (int level = 1; level <= 4; ++level) {
    SCOPED_TRACE(level);
    LobbyData d = full(level);
    d.readOnly = true;
    const auto b = computeLobbyButtons(d);
    EXPECT_EQ(*button(b, "cmdEditName").caption, "View Details");
    EXPECT_EQ(*button(b, "cmdEditCourse").caption, "View Details");
    for (const char* name : {"cmdAddName", "cmdDeleteName", "cmdAddCourse", "cmdDeleteCourse"})
      EXPECT_FALSE(*button(b, name).enabled) << name;
    // Looking and printing stay; backup only reads the folder.
    for (const char* name : {"cmdEditName", "cmdTrainingHistory", "cmdPrintNameList",
                             "cmdPrintCourseIndex", "cmdBackupRestore"})
      EXPECT_TRUE(*button(b, name).enabled) << name;
    EXPECT_TRUE(b.searchTabAvailable);
    EXPECT_TRUE(b.refreshShown);
  }
  EXPECT_FALSE(computeLobbyButtons(full(4)).refreshShown);
}
