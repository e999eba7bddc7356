// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/demo_seed.h"

#include <gtest/gtest.h>

#include <set>

#include "access/password.h"
#include "format/automation_date.h"
#include "format/clock.h"
#include "format/number_text.h"
#include "format/trim.h"
#include "renewals/renewal_list.h"
#include "renewals/renewal_periods.h"
#include "scan/folder_blocks.h"
#include "store/posix_file_system.h"
#include "support/temp_folder.h"

using namespace vm::store;

TEST(DemoSeed, SeedsAnEmptyFolderOnceWithLinkedRecords) {
  vm::test::TempFolder folder;
  PosixFileSystem fs;
  FileTable files(fs, folder.str());
  const vm::format::FixedClock clock({2026, 12, 8, 10, 30, 0});
  ASSERT_TRUE(vm::app::seedDemonstrationData(files, clock));
  const std::string before = folder.read("Training.Records");
  EXPECT_FALSE(vm::app::seedDemonstrationData(files, clock));  // never over existing data
  EXPECT_EQ(folder.read("Training.Records"), before);

  files.open(DataFile::Users);
  const UserRecord user = files.read<UserRecord>(1);
  EXPECT_EQ(vm::access::UnscramblePassword(user.Password), vm::app::kDemoPassword);
  EXPECT_EQ(user.AccessLevel, 4);
  files.close(DataFile::Users);

  std::set<double> people;
  int inactive = 0;
  const auto persons = files.open(DataFile::Names);
  for (int i = 1; i <= persons; ++i) {
    const NameRecord n = files.read<NameRecord>(i);
    EXPECT_TRUE(people.insert(n.DateCreated).second) << "stamps are unique";
    inactive += n.Active == kInactive;
  }
  files.close(DataFile::Names);
  EXPECT_GE(persons, 30);
  EXPECT_GT(inactive, 0);

  std::set<double> courses;
  int headings = 0;
  const auto courseCount = files.open(DataFile::Courses);
  for (int i = 1; i <= courseCount; ++i) {
    const CourseRecord c = files.read<CourseRecord>(i);
    courses.insert(c.DateCreated);
    headings += c.Hours <= 0;
  }
  files.close(DataFile::Courses);
  EXPECT_GT(headings, 3);

  const auto records = files.open(DataFile::Training);
  EXPECT_GE(records, 200);
  files.scan(DataFile::Training, 1, records, [&](std::int32_t, std::span<const char> bytes) {
    const TrainingRecord t = RecordTraits<TrainingRecord>::decode(bytes);
    EXPECT_TRUE(people.count(t.PersonID));
    EXPECT_TRUE(courses.count(t.CourseID));
    EXPECT_GT(t.Hours, 0);
    return true;
  });
  files.close(DataFile::Training);

  // Some courses must be renewed, so the renewals view has something to show.
  const vm::renewals::RenewalPeriods periods =
      vm::renewals::periodsOf(vm::renewals::renewalRecords(files));
  int renewed = 0;
  for (double c : courses) renewed += periods.monthsOf(c) > 0;
  EXPECT_EQ(renewed, 5);
}

// Whatever the day the folder is seeded, the notice after log-in (over the active persons the Name
// List first shows, within 30 days) has trainings expired and trainings due to tell, most are
// current, and some persons never took a renewed course; no training lies after that day.
TEST(DemoSeed, OnAnyDayTheRenewalsNoticeHasExpiredAndDueTrainings) {
  const vm::format::DateTime days[] = {{2026, 12, 8, 10, 30, 0},
                                       {2028, 2, 29, 0, 0, 0},
                                       {2031, 3, 31, 23, 59, 59},
                                       {2045, 7, 1, 9, 0, 0}};
  for (const vm::format::DateTime& day : days) {
    SCOPED_TRACE(day.year);
    vm::test::TempFolder folder;
    PosixFileSystem fs;
    FileTable files(fs, folder.str());
    ASSERT_TRUE(vm::app::seedDemonstrationData(files, vm::format::FixedClock(day)));

    std::vector<double> active;
    const auto persons = files.open(DataFile::Names);
    for (int i = 1; i <= persons; ++i) {
      const NameRecord n = files.read<NameRecord>(i);
      if (n.Active == kActive) active.push_back(n.DateCreated);
    }
    files.close(DataFile::Names);
    const vm::renewals::RenewalPeriods periods =
        vm::renewals::periodsOf(vm::renewals::renewalRecords(files));
    std::vector<vm::renewals::RenewalCourse> renewed;
    const auto courses = files.open(DataFile::Courses);
    for (int i = 1; i <= courses; ++i) {
      const CourseRecord c = files.read<CourseRecord>(i);
      if (periods.monthsOf(c.DateCreated) > 0)
        renewed.push_back({c.DateCreated, periods.monthsOf(c.DateCreated)});
    }
    files.close(DataFile::Courses);

    vm::renewals::RenewalQuery query;
    query.today = vm::format::automationDay(vm::format::toAutomationDate(day));
    query.dueWithin = 30;
    const auto counts =
        vm::renewals::renewalList(*vm::scan::folderBlocks(files), active, renewed, query).counts;
    EXPECT_GE(counts.expired, 3);
    EXPECT_GE(counts.due, 3);
    EXPECT_GT(counts.current, 2 * (counts.expired + counts.due));
    EXPECT_GT(counts.neverTaken, 0);

    const auto records = files.open(DataFile::Training);
    files.scan(DataFile::Training, 1, records, [&](std::int32_t, std::span<const char> bytes) {
      const TrainingRecord t = RecordTraits<TrainingRecord>::decode(bytes);
      EXPECT_LE(vm::format::automationDay(t.TrainingDate), query.today);
      return true;
    });
    files.close(DataFile::Training);
  }
}
