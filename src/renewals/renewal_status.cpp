// SPDX-License-Identifier: GPL-3.0-or-later
#include "renewals/renewal_status.h"

namespace vm::renewals {

RenewalStatus statusOf(std::optional<std::int64_t> lapse, std::int64_t today, int dueWithin) {
  if (!lapse) return RenewalStatus::Current;
  if (*lapse <= today) return RenewalStatus::Expired;
  if (*lapse - today <= dueWithin) return RenewalStatus::Due;
  return RenewalStatus::Current;
}

std::string_view statusText(RenewalStatus status) {
  switch (status) {
    case RenewalStatus::Expired:
      return "Expired";
    case RenewalStatus::Due:
      return "Due";
    case RenewalStatus::Current:
      return "Current";
    case RenewalStatus::NeverTaken:
      return "Never taken";
  }
  return {};
}

}  // namespace vm::renewals
