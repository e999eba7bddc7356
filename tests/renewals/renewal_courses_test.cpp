// SPDX-License-Identifier: GPL-3.0-or-later
#include "renewals/renewal_courses.h"

#include <gtest/gtest.h>

using namespace vm::renewals;

namespace {

vm::courses::CourseRow course(const char* code, const char* hours, const char* id) {
  return {code, std::string("Name of ") + code, "", hours, id, 1};
}

}  // namespace

TEST(RenewalCourses, ListedByCodeIgnoringCaseAndChosenUnderTheirHeading) {
  RenewalPeriods periods;
  periods.set(3, 12);
  periods.set(4, 6);
  periods.set(6, 24);
  periods.set(1, 12);  // a heading's period is never asked about
  const std::vector<PeriodRow> rows =
      periodRows({course("b-2", "1.0", "4"), course("A", "", "1"), course("a-1", "2.0", "3"),
                  course("B", "", "5"), course("b-1", "1.0", "6"), course("a-2", "1.0", "2")},
                 periods);
  std::vector<std::string> codes;
  for (const PeriodRow& r : rows) codes.push_back(r.code + ":" + std::to_string(r.months));
  EXPECT_EQ(codes, (std::vector<std::string>{"A:12", "a-1:12", "a-2:0", "B:0", "b-1:24", "b-2:6"}));
  EXPECT_EQ(headingsOf(rows), (std::vector<std::size_t>{0, 3}));
  EXPECT_EQ(renewedCourses(rows), (std::vector<std::size_t>{1, 4, 5}));
  EXPECT_EQ(renewedCourses(rows, 0), (std::vector<std::size_t>{1}));
  EXPECT_EQ(renewedCourses(rows, 3), (std::vector<std::size_t>{4, 5}));
}

TEST(RenewalCourses, PeriodEntryTakesBlankOrWholeMonthsUpTo999) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"", 0},
      {"   ", 0},
      {"0", 0},
      {"12", 12},
      {" 36 ", 36},
      {"999", 999},
      {"1000", std::nullopt},
      {"-1", std::nullopt},
      {"1.5", std::nullopt},
      {"12a", std::nullopt},
  };
  for (const auto& [text, months] : cases) EXPECT_EQ(periodEntry(text), months) << text;
}

TEST(RenewalCourses, NoticeSpeaksOnlyOfExpiredOrDue) {
  RenewalCounts counts;
  counts.current = 5;
  counts.neverTaken = 2;
  EXPECT_FALSE(noticeWanted(counts));
  counts.due = 1;
  EXPECT_TRUE(noticeWanted(counts));
  counts.expired = 12;
  EXPECT_EQ(noticeText(counts, 30), "12 trainings have expired and 1 fall due within 30 days");
}
