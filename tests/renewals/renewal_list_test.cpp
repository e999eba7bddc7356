// SPDX-License-Identifier: GPL-3.0-or-later
#include "renewals/renewal_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "courses/course_files.h"
#include "format/automation_date.h"
#include "format/date_text.h"
#include "renewals/lapse_date.h"
#include "scan/folder_blocks.h"
#include "store/link_rule.h"
#include "store/records.h"
#include "support/store_test.h"

using namespace vm::renewals;
using vm::format::toAutomationDate;
using vm::test::TrainingBytes;

namespace {

std::int64_t dayOf(int y, int m, int d) {
  return vm::format::automationDay(vm::format::automationDateOf(y, m, d));
}

// The latest training of each listed row in each course found the slow way: every record of the
// file for every pair, linked by the rule of the record files through its PersonID and CourseID,
// its day taken from its "yyyymmdd" text.
std::map<std::pair<int, int>, std::int64_t> latestByReference(
    vm::store::FileTable& table, const std::vector<double>& rows,
    const std::vector<RenewalCourse>& courses) {
  std::vector<vm::store::TrainingRecord> records;
  {
    const vm::store::OpenFile file(table, vm::store::DataFile::Training);
    for (int k = 1; k <= file.count(); ++k)
      records.push_back(table.read<vm::store::TrainingRecord>(k));
  }
  std::map<std::pair<int, int>, std::int64_t> latest;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < courses.size(); ++c) {
      std::string best;
      for (const auto& t : records) {
        if (!vm::store::sameLink(t.PersonID, rows[r]) ||
            !vm::store::sameLink(t.CourseID, courses[c].id))
          continue;
        best = std::max(best, vm::format::formatYyyymmdd(t.TrainingDate));
      }
      if (best.empty()) continue;
      latest[{static_cast<int>(r), static_cast<int>(c)}] = dayOf(
          std::stoi(best.substr(0, 4)), std::stoi(best.substr(4, 2)), std::stoi(best.substr(6, 2)));
    }
  }
  return latest;
}

struct RenewalListTest : vm::test::StoreTest {
  std::string training;
  void add(double person, double course, double date) {
    training += vm::test::trainingRecord({date, person, course, "C", "Course", "", 1.0f, ""});
  }
  void write() { folder.write("Training.Records", training); }
};

}  // namespace

TEST_F(RenewalListTest, EachPersonsLatestTrainingPerCourseAsTheSlowWayFindsIt) {
  std::mt19937 random(18);
  const double base = toAutomationDate({2003, 4, 1, 9, 0, 0});
  std::vector<double> persons;
  for (int p = 0; p < 40; ++p) persons.push_back(base + p / 86400.0);
  std::vector<double> rows(persons.begin(), persons.begin() + 30);
  rows.push_back(rows[3]);       // two persons created in the same second share their records
  rows.push_back(std::nan(""));  // a stamp that links to nothing
  // Persons trained once in the 36-month course, on each side of today's lapse day and of the last
  // day that counts as due (today is 12/08/2026).
  const double boundary[] = {toAutomationDate({2023, 12, 7, 23, 0, 0}),
                             toAutomationDate({2023, 12, 8}), toAutomationDate({2023, 12, 9}),
                             toAutomationDate({2024, 1, 7}), toAutomationDate({2024, 1, 8})};
  const RenewalStatus expected[] = {RenewalStatus::Expired, RenewalStatus::Expired,
                                    RenewalStatus::Due, RenewalStatus::Due, RenewalStatus::Current};
  const std::vector<RenewalCourse> courses = {
      {45000.25, 12}, {45001.5, 1}, {45002.75, 36}, {45000.25, 24}};  // the last shares an id
  const std::vector<double> courseIds = {45000.25, 45001.5, 45002.75, 45009.0,
                                         std::nextafter(45001.5, 1e9)};  // same 15 digits

  const std::int64_t today = dayOf(2026, 12, 8);
  for (int k = 0; k < 400; ++k) {
    const double person = persons[random() % persons.size()];
    const double course = courseIds[random() % courseIds.size()];
    // Days around today's lapse days, with times of day up to a hair before midnight.
    double date = static_cast<double>(today - 40 * 31 + static_cast<int>(random() % (45 * 31)));
    const int kind = static_cast<int>(random() % 4);
    if (kind == 1) date += 0.75;
    if (kind == 2) date += 86399.6 / 86400;  // rounds to the next day's first second
    add(person, course, date);
  }
  for (std::size_t i = 0; i < std::size(boundary); ++i) {
    rows.push_back(base + 1 + static_cast<double>(i));
    add(base + 1 + static_cast<double>(i), 45002.75, boundary[i]);
  }
  write();

  RenewalQuery query;
  query.today = today;
  query.dueWithin = 30;
  query.neverTaken = true;
  const RenewalList list = renewalList(*vm::scan::folderBlocks(table), rows, courses, query);
  const auto latest = latestByReference(table, rows, courses);

  ASSERT_EQ(list.entries.size(), rows.size() * courses.size());
  RenewalCounts counts;
  std::map<std::pair<int, int>, int> seen;
  for (const RenewalEntry& e : list.entries) {
    ++seen[{e.row, e.course}];
    const auto it = latest.find({e.row, e.course});
    if (it == latest.end()) {
      EXPECT_EQ(e.status, RenewalStatus::NeverTaken) << e.row << "/" << e.course;
      EXPECT_FALSE(e.trained);
      ++counts.neverTaken;
      continue;
    }
    ASSERT_EQ(e.trained, it->second) << e.row << "/" << e.course;
    EXPECT_EQ(e.lapses, lapseDay(it->second, courses[static_cast<std::size_t>(e.course)].months));
    EXPECT_EQ(e.status, statusOf(e.lapses, today, 30));
    ++(e.status == RenewalStatus::Expired ? counts.expired
       : e.status == RenewalStatus::Due   ? counts.due
                                          : counts.current);
  }
  EXPECT_EQ(seen.size(), list.entries.size());  // every pair once
  for (std::size_t i = 0; i < std::size(boundary); ++i) {
    const auto e =
        std::find_if(list.entries.begin(), list.entries.end(), [&](const RenewalEntry& x) {
          return x.row == static_cast<int>(rows.size() - std::size(boundary) + i) && x.course == 2;
        });
    ASSERT_NE(e, list.entries.end());
    EXPECT_EQ(e->status, expected[i]) << vm::format::formatDate(boundary[i]);
  }
  EXPECT_GT(counts.expired, 10);
  EXPECT_GT(counts.current, 10);
  EXPECT_GE(counts.neverTaken, 4);
  EXPECT_EQ(
      std::tie(list.counts.expired, list.counts.due, list.counts.current, list.counts.neverTaken),
      std::tie(counts.expired, counts.due, counts.current, counts.neverTaken));
  // The twin rows stand alike; the row that links to nobody never took anything.
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(latest.count({3, c}) ? latest.at({3, c}) : -1,
              latest.count({30, c}) ? latest.at({30, c}) : -1);
    EXPECT_EQ(latest.count({31, c}), 0u);
  }

  // In order: by status, then the earliest lapse, then persons and courses as listed.
  const auto order = [](const RenewalEntry& e) {
    return std::make_tuple(static_cast<int>(e.status), e.lapses.value_or(INT64_MAX), e.row,
                           e.course);
  };
  for (std::size_t i = 1; i < list.entries.size(); ++i)
    EXPECT_LT(order(list.entries[i - 1]), order(list.entries[i])) << i;
  // Read in ranges, the file gives the same list.
  for (const int ranges : {2, 3, 7}) {
    const RenewalList inRanges = renewalList(*vm::scan::folderBlocks(table), rows, courses, query,
                                             {vm::scan::ScanProgress(), ranges});
    ASSERT_EQ(inRanges.entries.size(), list.entries.size()) << ranges;
    for (std::size_t i = 0; i < list.entries.size(); ++i)
      EXPECT_EQ(order(inRanges.entries[i]), order(list.entries[i])) << i << " in " << ranges;
  }

  // Without the persons who never took a course, the rest is the same list.
  query.neverTaken = false;
  const RenewalList taken = renewalList(*vm::scan::folderBlocks(table), rows, courses, query);
  EXPECT_EQ(taken.entries.size(),
            list.entries.size() - static_cast<std::size_t>(counts.neverTaken));
  EXPECT_EQ(taken.counts.neverTaken, counts.neverTaken);
}

TEST_F(RenewalListTest, WithoutTrainingRecordsEveryoneNeverTookAnything) {
  const std::vector<double> rows = {40000.5, 40001.5};
  const std::vector<RenewalCourse> courses = {{45000.25, 12}};
  RenewalQuery query;
  query.today = dayOf(2026, 12, 8);
  const RenewalList none = renewalList(*vm::scan::folderBlocks(table), rows, courses, query);
  EXPECT_TRUE(none.entries.empty());
  EXPECT_EQ(none.counts.neverTaken, 2);
  EXPECT_FALSE(folder.has("Training.Records"));  // looked at, not made
  EXPECT_TRUE(renewalList(*vm::scan::folderBlocks(table), rows, {}, query).entries.empty());
}
