// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/clock.h"

#include <gtest/gtest.h>

using namespace vm::format;

TEST(Clock, SystemClockGivesAValidLocalTime) {
  const DateTime now = SystemClock().now();
  EXPECT_TRUE(isValid(now));
  EXPECT_GE(now.year, 2024);
}
