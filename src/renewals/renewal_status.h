// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vm::renewals {

// Where a listed person stands in a course that must be renewed, in the order the view lists them.
enum class RenewalStatus {
  Expired,     // the lapse day has come
  Due,         // it comes within the days the user asked about
  Current,     // it comes later, or never
  NeverTaken,  // no training of the course at all
};

// A training is current before its lapse day and expired from that day on; it is due when the
// lapse day lies within `dueWithin` days after today (today + 1 to today + dueWithin). A training
// that never lapses is current.
RenewalStatus statusOf(std::optional<std::int64_t> lapse, std::int64_t today, int dueWithin);

// "Expired", "Due", "Current", "Never taken".
std::string_view statusText(RenewalStatus status);

}  // namespace vm::renewals
