// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_find.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace vm::courses;

TEST(CourseMatches, SearchesCodeAndNameJoinedByOneSpaceIgnoringCase) {
  EXPECT_TRUE(courseMatches("P1*-T001", "Tornado Preparedness", "T001"));
  EXPECT_TRUE(courseMatches("P1*-T001", "Tornado Preparedness", "1 Tor"));
  EXPECT_TRUE(courseMatches("P1*-T001", "Tornado Preparedness", "tornado PREP"));
  EXPECT_TRUE(courseMatches("FA-01", "Élan ŒUVRE", "élan œuvre"));
  EXPECT_FALSE(courseMatches("P1*-T001", "Tornado Preparedness",
                             "1  Tor"));  // blanks count
  EXPECT_FALSE(courseMatches("P1*-T001", "Tornado Preparedness", "Red Cross"));
}

namespace {

// Rows 1..n of which `hits` match; records the order in which rows were tried.
struct Rows {
  std::set<int> hits;
  std::vector<int> tried;
  std::function<bool(int)> matcher() {
    return [this](int row) {
      tried.push_back(row);
      return hits.count(row) > 0;
    };
  }
};

}  // namespace

TEST(FindNextRow, GoesOnFromTheHighlightedRowAndWrapsToRowOne) {
  Rows rows{{2, 4}, {}};
  EXPECT_EQ(findNextRow(5, 2, rows.matcher()), 4);
  EXPECT_EQ(findNextRow(5, 4, rows.matcher()), 2);
  rows.tried.clear();
  EXPECT_EQ(findNextRow(5, 4, rows.matcher()), 2);
  EXPECT_EQ(rows.tried, (std::vector<int>{5, 1, 2}));  // never the header
}

TEST(FindNextRow, TriesTheHighlightedRowLast) {
  Rows rows{{3}, {}};
  EXPECT_EQ(findNextRow(5, 3, rows.matcher()), 3);
  EXPECT_EQ(rows.tried, (std::vector<int>{4, 5, 1, 2, 3}));
}

TEST(FindNextRow, ReportsNoMatchAfterTryingEveryRowOnce) {
  Rows rows;
  EXPECT_EQ(findNextRow(4, 2, rows.matcher()), 0);
  EXPECT_EQ(rows.tried, (std::vector<int>{3, 4, 1, 2}));
  EXPECT_EQ(findNextRow(0, 0, rows.matcher()), 0);
}

TEST(FindNextRow, WithoutAHighlightedRowStartsAtRowOne) {
  Rows rows{{1, 3}, {}};
  EXPECT_EQ(findNextRow(3, 0, rows.matcher()), 1);
}
