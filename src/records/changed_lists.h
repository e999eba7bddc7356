// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vm::records {

// The lists another desk changed, as Records::changedElsewhere tells them, so that a window lists
// again only what it must.
struct ChangedLists {
  bool persons = false;
  bool courses = false;
  bool users = false;
  bool training = false;
  bool renewalPeriods = false;

  bool any() const { return persons || courses || users || training || renewalPeriods; }
  bool operator==(const ChangedLists&) const = default;
};

}  // namespace vm::records
