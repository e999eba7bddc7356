// SPDX-License-Identifier: GPL-3.0-or-later
#include "renewals/lapse_date.h"

#include <algorithm>

#include "format/automation_date.h"
#include "format/date_time.h"

namespace vm::renewals {

std::optional<std::int64_t> lapseDay(std::int64_t trainedDay, int months) {
  const format::DateTime trained = format::fromAutomationDate(static_cast<double>(trainedDay));
  const std::int64_t monthIndex = std::int64_t{trained.year} * 12 + (trained.month - 1) + months;
  const std::int64_t year = monthIndex / 12;
  const int month = static_cast<int>(monthIndex % 12) + 1;
  if (year > format::kMaxYear) return std::nullopt;
  const int y = static_cast<int>(year);
  const int day = std::min(trained.day, format::daysInMonth(y, month));
  return format::automationDay(format::automationDateOf(y, month, day));
}

}  // namespace vm::renewals
