// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "format/automation_date.h"

namespace vm::search {

// Calendar days, both ends included, as format::automationDay counts them, and the stored dates
// that fall on them whatever their time of day.
class DayRange {
 public:
  DayRange(std::int64_t first, std::int64_t last);

  std::int64_t first() const { return first_; }
  std::int64_t last() const { return last_; }

  bool holds(double date) const {
    // From 30 December 1899 on, the day grows with the stored number, so two comparisons decide;
    // earlier dates count their time of day the other way and are worked out in full.
    if (date >= 0 && date < kFastLimit) return date >= from_ && date < until_;
    const std::int64_t day = format::automationDay(date);
    return day >= first_ && day <= last_;
  }

 private:
  static constexpr double kFastLimit = format::kMaxAutomationDay;

  std::int64_t first_;
  std::int64_t last_;
  double from_;   // the first stored number that falls on the first day
  double until_;  // the first stored number that falls after the last day
};

}  // namespace vm::search
