// SPDX-License-Identifier: GPL-3.0-or-later
#include "renewals/renewal_periods.h"

#include <gtest/gtest.h>

#include <string>

#include "courses/course_files.h"
#include "support/fault_sweep.h"
#include "support/store_test.h"

using namespace vm::renewals;

namespace {

using vm::test::renewalRecord;

struct RenewalPeriodsTest : vm::test::StoreTest {
  std::string file() const { return folder.read("Course.Renewal"); }
  bool save(std::initializer_list<PeriodChange> changes) {
    return !savePeriodChanges(table, vm::test::kAuthor, std::vector<PeriodChange>(changes)).empty();
  }
};

}  // namespace

TEST_F(RenewalPeriodsTest, WritesOneRecordPerCourseWithAPeriodByteForByte) {
  EXPECT_TRUE(save({{45001.25, 12}, {45002.5, 0}, {45003.75, 300}}));
  EXPECT_EQ(file(), renewalRecord(45001.25, 12) + renewalRecord(45003.75, 300));
  EXPECT_EQ(static_cast<unsigned char>(file()[32 + 8]), 0x2C);  // 300 = 0x012C, low byte first
  EXPECT_EQ(static_cast<unsigned char>(file()[32 + 9]), 0x01);

  const RenewalPeriods periods = periodsOf(renewalRecords(table));
  EXPECT_EQ(periods.monthsOf(45001.25), 12);
  EXPECT_EQ(periods.monthsOf(45002.5), 0);
  EXPECT_EQ(periods.monthsOf(45003.75), 300);
  EXPECT_FALSE(table.isOpen(vm::store::DataFile::Renewals));
}

TEST_F(RenewalPeriodsTest, ChangesKeepTheOtherRecordsAndEveryOtherByteOfTheirOwn) {
  // As another build may have written it: room used, a course this build does not list.
  folder.write("Course.Renewal", renewalRecord(1, 6, 'x') + renewalRecord(2, 12, 'y') +
                                     renewalRecord(3, 24) + renewalRecord(4, 36));
  EXPECT_TRUE(save({{2, 18}, {3, 0}, {5, 1}, {1, 6}}));
  EXPECT_EQ(file(), renewalRecord(1, 6, 'x') + renewalRecord(2, 18, 'y') + renewalRecord(4, 36) +
                        renewalRecord(5, 1));
  EXPECT_FALSE(folder.has("TempFile.$$$"));

  EXPECT_FALSE(save({{1, 6}, {3, 0}}));  // nothing to change: nothing written

  // What changed is told for the change log, once per course.
  const std::vector<PeriodChange> changes = {
      {1, 0, "FA-1", "First Aid"}, {4, 36, "FL", ""}, {6, 12, "NEW", "New Course"}, {6, 12}};
  const std::vector<vm::store::Change> told = savePeriodChanges(table, vm::test::kAuthor, changes);
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0].action, "renewal period changed");
  EXPECT_EQ(told[0].record, "FA-1, First Aid");
  EXPECT_EQ(told[0].details, std::vector<std::string>{"Months: \"6\" -> \"\""});
  EXPECT_EQ(told[1].record, "NEW, New Course");
  EXPECT_EQ(told[1].details, std::vector<std::string>{"Months: \"\" -> \"12\""});
}

TEST_F(RenewalPeriodsTest, LinksByTheGeneralNumberTextAndTheFirstOfTwinsCounts) {
  const double stamp = 45000.5 + 1.0 / 86400;
  folder.write("Course.Renewal",
               renewalRecord(stamp, 12) + renewalRecord(stamp, 24) + renewalRecord(7, 0));
  const RenewalPeriods periods = periodsOf(renewalRecords(table));
  EXPECT_EQ(periods.monthsOf(std::nextafter(stamp, 1e9)), 12);  // same 15 digits
  EXPECT_EQ(periods.monthsOf(7), 0);
  // A change reaches every record of the course.
  EXPECT_TRUE(save({{stamp, 3}}));
  EXPECT_EQ(file(), renewalRecord(stamp, 3) + renewalRecord(stamp, 3) + renewalRecord(7, 0));
}

TEST_F(RenewalPeriodsTest, AFolderWithoutTheFileHasNoPeriodsAndTheLastPeriodTakesTheFileAlong) {
  EXPECT_TRUE(periodsOf(renewalRecords(table)).empty());
  EXPECT_FALSE(save({{1, 0}}));
  EXPECT_FALSE(folder.has("Course.Renewal"));  // reading and saving nothing made none

  folder.write("Course.Renewal", renewalRecord(1, 12));
  EXPECT_TRUE(save({{1, 0}}));
  EXPECT_FALSE(folder.has("Course.Renewal"));
  EXPECT_FALSE(folder.has("TempFile.$$$"));
}

// The rewrite and its lines are one piece of work: wherever it stops, the next start leaves the old
// file without a line or the new one with each of its lines exactly once.
TEST(RenewalPeriodsFaults, ASaveLeavesTheOldFileOrTheNewOneWithItsLines) {
  vm::test::FaultSweep sweep;
  sweep.check = [](const auto& now, const auto& before, const auto&) {
    if (now.at("Course.Renewal") == before.at("Course.Renewal")) {
      EXPECT_EQ(now.count("Change.Log"), 0u);
    } else {
      EXPECT_EQ(now.at("Change.Log"),
                "12/08/2026 10:30:00\tDana Demo\trenewal period changed\tFA\tMonths: \"12\" -> "
                "\"\"\r\n"
                "12/08/2026 10:30:00\tDana Demo\trenewal period changed\tFL\tMonths: \"24\" -> "
                "\"36\"\r\n"
                "12/08/2026 10:30:00\tDana Demo\trenewal period changed\tNEW\tMonths: \"\" -> "
                "\"1\"\r\n");
    }
  };
  sweep.setUp = [](const vm::test::TempFolder& f) {
    f.write("Course.Renewal",
            renewalRecord(1, 6, 'x') + renewalRecord(2, 12) + renewalRecord(3, 24));
    f.write("TempFile.$$$", "left over");
  };
  sweep.operation = [](vm::store::FileTable& t) {
    const std::vector<PeriodChange> changes = {{2, 0, "FA"}, {3, 36, "FL"}, {4, 1, "NEW"}};
    savePeriodChanges(t, vm::test::kAuthor, changes);
  };
  const auto count = vm::test::sweepFaults(sweep);
  EXPECT_GT(count.failedCalls, 5);

  sweep.check = {};
  sweep.operation = [](vm::store::FileTable& t) {  // the last periods go
    const std::vector<PeriodChange> changes = {{1, 0}, {2, 0}, {3, 0}};
    savePeriodChanges(t, vm::test::kAuthor, changes);
  };
  vm::test::sweepFaults(sweep);
}
