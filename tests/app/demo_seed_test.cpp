// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/demo_seed.h"

#include <gtest/gtest.h>

#include <set>

#include "access/password.h"
#include "format/trim.h"
#include "renewals/renewal_periods.h"
#include "store/posix_file_system.h"
#include "support/temp_folder.h"

using namespace vm::store;

TEST(DemoSeed, SeedsAnEmptyFolderOnceWithLinkedRecords) {
  vm::test::TempFolder folder;
  PosixFileSystem fs;
  FileTable files(fs, folder.str());
  ASSERT_TRUE(vm::app::seedDemonstrationData(files));
  const std::string before = folder.read("Training.Records");
  EXPECT_FALSE(vm::app::seedDemonstrationData(files));  // never over existing data
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
  const vm::renewals::RenewalPeriods periods = vm::renewals::readRenewalPeriods(files);
  int renewed = 0;
  for (double c : courses) renewed += periods.monthsOf(c) > 0;
  EXPECT_EQ(renewed, 5);
}
