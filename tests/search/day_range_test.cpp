// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/day_range.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "format/automation_date.h"

TEST(DayRange, HoldsExactlyTheDatesThatFallOnItsDays) {
  const double second = 1.0 / 86400;
  for (const auto& [first, last] : {std::pair{38061, 38061}, std::pair{37987, 38352},
                                    std::pair{-3, -1}, std::pair{-1, 2}, std::pair{0, 0}}) {
    const vm::search::DayRange range(first, last);
    for (std::int64_t d = first - 1; d <= last + 2; ++d) {
      for (double at : {0.0, 0.5 * second, 1 - 0.5 * second, -0.5 * second, 0.25, 0.75}) {
        double date = static_cast<double>(d) + (d < 0 ? -at : at);
        for (int i = 0; i < 4; ++i) date = std::nextafter(date, -1e9);
        for (int i = 0; i < 8; ++i, date = std::nextafter(date, 1e9)) {
          const std::int64_t day = vm::format::automationDay(date);
          EXPECT_EQ(range.holds(date), day >= first && day <= last)
              << first << ".." << last << " at " << date;
        }
      }
    }
  }
  const vm::search::DayRange all(vm::format::kMinAutomationDay, vm::format::kMaxAutomationDay);
  EXPECT_TRUE(all.holds(std::numeric_limits<double>::infinity()));
  EXPECT_TRUE(all.holds(std::nan("")));  // read as 30 December 1899
  EXPECT_TRUE(all.holds(-1e300));
}
