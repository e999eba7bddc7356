// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/large_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>

namespace vm::scan {
namespace {

// Tables either side of the size from which huge pages are asked for: each holds what is put in
// it through growth, copies and moves, and gives its memory back the way it came (the sanitizer
// build checks that); a large one starts on a huge page's edge.
TEST(LargeTable, HoldsItsValuesOnEitherSideOfTheHugePageSize) {
  constexpr std::size_t kHuge = std::size_t{2} << 20;
  for (const std::size_t n : {std::size_t{1}, kHuge / sizeof(double) - 1, kHuge / sizeof(double),
                              3 * kHuge / sizeof(double) + 5}) {
    SCOPED_TRACE(n);
    LargeTable<double> table(n, -1.0);
    std::iota(table.begin(), table.end(), 0.0);
    if (n * sizeof(double) >= kHuge) {
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(table.data()) % kHuge, 0u);
    }
    table.resize(2 * n, -1.0);  // moved into a larger table
    const LargeTable<double> copy = table;
    LargeTable<double> moved = std::move(table);
    EXPECT_EQ(moved, copy);
    EXPECT_EQ(moved[n - 1], static_cast<double>(n - 1));
    EXPECT_EQ(moved.back(), -1.0);
  }
}

}  // namespace
}  // namespace vm::scan
