// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/day_range.h"

#include <bit>

namespace vm::search {
namespace {

// The smallest stored number from 0 up to the limit whose day is `day` or later, or the limit
// when there is none. Non-negative doubles order as their bit patterns do, so the search halves
// the patterns between the two ends.
double firstOnOrAfter(std::int64_t day, double limit) {
  auto low = std::bit_cast<std::uint64_t>(0.0);
  auto high = std::bit_cast<std::uint64_t>(limit);
  if (format::automationDay(limit) < day) return limit;
  while (low < high) {
    const std::uint64_t mid = low + (high - low) / 2;
    if (format::automationDay(std::bit_cast<double>(mid)) >= day)
      high = mid;
    else
      low = mid + 1;
  }
  return std::bit_cast<double>(low);
}

}  // namespace

DayRange::DayRange(std::int64_t first, std::int64_t last)
    : first_(first),
      last_(last),
      from_(firstOnOrAfter(first, kFastLimit)),
      until_(firstOnOrAfter(last + 1, kFastLimit)) {}

}  // namespace vm::search
