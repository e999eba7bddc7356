// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/person_index.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "format/automation_date.h"
#include "format/number_text.h"
#include "search/day_range.h"
#include "store/field_codec.h"

using vm::format::generalNumber;

TEST(PersonIndex, ARecordIsThePersonsWhoseTextItsPersonIdShows) {
  const double stamp = vm::format::toAutomationDate({2004, 3, 15, 14, 7, 9});
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<double> values = {stamp,
                                      std::nextafter(stamp, 1e9),
                                      stamp + 1.0 / 86400,
                                      0.0,
                                      -0.0,
                                      1e20,
                                      1.5e-5,
                                      -3,
                                      inf,
                                      -inf,
                                      std::nan(""),
                                      123456789012345678.0};
  std::vector<std::string> rows;
  for (double v : values) rows.push_back(generalNumber(v));
  rows.push_back(generalNumber(stamp));  // a second person created in the same second
  rows.push_back("not a number");
  rows.push_back("");

  vm::search::PersonIndex index(rows);
  std::vector<char> record(300, ' ');
  for (double v : values) {
    vm::store::codec::putDouble(record, vm::store::layout::training::PersonID, v);
    for (int pass = 0; pass < 2; ++pass) {  // learnt, then known by its bytes
      const int slot = index.find(record);
      for (std::size_t row = 0; row < rows.size(); ++row)
        EXPECT_EQ(slot == index.slotOfRow(row), generalNumber(v) == rows[row])
            << v << " row " << row << " pass " << pass;
    }
  }
  EXPECT_EQ(index.slotOfRow(0), index.slotOfRow(values.size()));
  EXPECT_NE(index.slotOfRow(rows.size() - 1), index.slotOfRow(rows.size() - 2));
}

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
