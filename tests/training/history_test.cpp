// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "courses/course_files.h"
#include "format/automation_date.h"
#include "store/work_journal.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"
#include "training/history_buttons.h"
#include "training/history_rows.h"

using namespace vm;

namespace {

constexpr double kAnn = 41000.125, kBob = 41000.5;

double day(int y, int m, int d) { return format::automationDateOf(y, m, d); }

std::string fiveRecords() {
  std::string file;
  file += test::trainingRecord({day(2004, 3, 15), kAnn, 1, "C1", "Later", "P", 8, ""});
  file += test::trainingRecord({day(2003, 11, 2), kAnn, 1, "C2", "First", "P", 2.5f, "Note"});
  file += test::trainingRecord({day(2003, 1, 1), kBob, 1, "B1", "Bob's", "P", 1, ""});
  file += test::trainingRecord({day(2004, 1, 20), kAnn, 1, "C3", "Middle", "P", 0.5f, ""});
  file += test::trainingRecord({day(2004, 1, 20) + 0.5, kAnn, 1, "C4", "Same day", "P", 40, ""});
  return file;
}

std::vector<std::string> codes(const std::vector<training::HistoryRow>& rows) {
  std::vector<std::string> out;
  for (const auto& r : rows) out.push_back(r.code);
  return out;
}

struct HistoryTest : test::StoreTest {};

}  // namespace

TEST_F(HistoryTest, AHistoryListsThePersonsRecordsOldestFirst) {
  folder.write("Training.Records", fiveRecords());
  const auto rows = training::historyRows(training::historyRecords(table, kAnn));
  EXPECT_EQ(codes(rows), (std::vector<std::string>{"C2", "C3", "C4", "C1"}));
  const training::HistoryRow& first = rows[0];
  EXPECT_EQ(first.date, "11/02/2003");
  EXPECT_EQ(first.name, "First");
  EXPECT_EQ(first.hours, "2.5");
  EXPECT_EQ(first.comments, "Note");
  EXPECT_EQ(first.dateSort, "20031102");
  EXPECT_EQ(first.recNum, 2);
  EXPECT_EQ(rows[1].hours, ".5");
  EXPECT_EQ(rows[2].hours, "40.0");
  EXPECT_TRUE(training::historyRows(training::historyRecords(table, 12345)).empty());
  for (const int ranges : {2, 3, 5}) {  // read in ranges, listed in file order
    const auto inRanges = training::historyRows(
        training::historyRecords(table, kAnn, {scan::ScanProgress(), ranges}));
    EXPECT_EQ(codes(inRanges), codes(rows)) << ranges;
    for (std::size_t i = 0; i < rows.size(); ++i)
      EXPECT_EQ(inRanges[i].recNum, rows[i].recNum) << ranges;
  }
}

TEST_F(HistoryTest, AHistoryWithoutTrainingRecordsLeavesTheFileMissing) {
  EXPECT_TRUE(training::historyRows(training::historyRecords(table, kAnn)).empty());
  EXPECT_FALSE(folder.has("Training.Records"));
}

// Removing a training record is the store's journalled removal: whatever fails, the file is
// as it was or without the record.
TEST(TrainingRemovalFailures, EveryFaultLeavesTheOldFileOrTheNewOne) {
  test::sweepFaults(
      {[](const test::TempFolder& folder) { folder.write("Training.Records", fiveRecords()); },
       [](store::FileTable& table) { vm::test::removeRecord(table, store::DataFile::Training, 3); },
       true});
}

TEST(HistoryButtons, EditingFromLevelTwoRemovingAtFourNeitherWhenOnlyViewing) {
  struct Row {
    int level;
    bool viewOnly;
    bool editShown, editEnabled, deleteShown, deleteEnabled;
  };
  const Row rows[] = {{1, false, true, false, true, false}, {2, false, true, true, true, false},
                      {3, false, true, true, true, false},  {4, false, true, true, true, true},
                      {4, true, false, true, false, true},  {1, true, false, false, false, false}};
  for (const Row& r : rows) {
    const auto buttons = training::historyButtons(r.level, true, r.viewOnly);
    EXPECT_EQ(buttons[0].name, "cmdEditTraining");
    EXPECT_EQ(buttons[0].visible, r.editShown) << r.level;
    EXPECT_EQ(buttons[0].enabled, r.editEnabled) << r.level;
    EXPECT_EQ(buttons[1].name, "cmdDeleteTraining");
    EXPECT_EQ(buttons[1].visible, r.deleteShown) << r.level;
    EXPECT_EQ(buttons[1].enabled, r.deleteEnabled) << r.level;
    EXPECT_TRUE(buttons[2].visible);  // print
  }
  for (const auto& b : training::historyButtons(4, false, false))
    EXPECT_EQ(b.visible, b.name == "cmdHelp" || b.name == "cmdReturn") << b.name;
}
