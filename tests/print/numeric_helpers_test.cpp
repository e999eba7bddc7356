// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/numeric_helpers.h"

#include <gtest/gtest.h>

#include <set>

namespace vm::print {
namespace {

TEST(NumericHelpers, MaxOfAndMinOf) {
  EXPECT_EQ(MaxOf(1, 0), 1);
  EXPECT_EQ(MaxOf(1, 3), 3);
  EXPECT_EQ(MinOf(204, 255), 204);
  EXPECT_DOUBLE_EQ(MaxOf(2, 2.5), 2.5);  // mixed types meet in their common type
  EXPECT_DOUBLE_EQ(MinOf(-1.5, 0), -1.5);
}

TEST(NumericHelpers, IncrementValueAddsInPlace) {
  int count = 3;
  IncrementValue(count, 1);
  EXPECT_EQ(count, 4);
  IncrementValue(count, -5);
  EXPECT_EQ(count, -1);
  double opacity = 204;
  IncrementValue(opacity, 2.5);
  EXPECT_DOUBLE_EQ(opacity, 206.5);
}

TEST(RandomInRange, ASingleValueRangeGivesThatValue) {
  for (int n = 0; n < 100; ++n) EXPECT_EQ(RandomInRange(1, 1), 1);
}

TEST(RandomInRange, CoversTheWholeRangeAndNothingOutside) {
  std::set<int> seen;
  for (int n = 0; n < 2000; ++n) {
    const int value = RandomInRange(0, 9);
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 9);
    seen.insert(value);
  }
  EXPECT_EQ(seen.size(), 10u);
}

TEST(RandomInRange, QuickCallsDoNotRepeatEachOther) {
  // Reseeding from the clock on every call would give runs of the same value.
  std::set<int> seen;
  for (int n = 0; n < 20; ++n) seen.insert(RandomInRange(48, 122));
  EXPECT_GT(seen.size(), 5u);
}

TEST(RandomInRange, ExtremeAndReversedBounds) {
  for (int n = 0; n < 200; ++n) {
    const int wide = RandomInRange(-32768, 32767);
    EXPECT_GE(wide, -32768);
    EXPECT_LE(wide, 32767);
    const int reversed = RandomInRange(9, 0);
    EXPECT_GE(reversed, 0);
    EXPECT_LE(reversed, 9);
  }
}

}  // namespace
}  // namespace vm::print
