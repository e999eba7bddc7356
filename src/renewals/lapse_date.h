// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace vm::renewals {

// Days are counted as format::automationDay counts them: whole days since 30 December 1899.

// The day a training taken on `trainedDay` lapses when the course must be renewed every `months`
// months: the same day of the month `months` months later, or that month's last day when it is
// shorter (31 January + 1 month lapses on 28 or 29 February; 29 February 2004 + 12 months on
// 28 February 2005). Nothing when that day lies beyond the last day a date can hold, 31 December
// 9999: the training never lapses. `months` is at least 1.
std::optional<std::int64_t> lapseDay(std::int64_t trainedDay, int months);

}  // namespace vm::renewals
