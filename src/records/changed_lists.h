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

  // Adds the lists `more` names.
  void add(const ChangedLists& more) {
    persons |= more.persons;
    courses |= more.courses;
    users |= more.users;
    training |= more.training;
    renewalPeriods |= more.renewalPeriods;
  }
  // Takes out the lists `wanted` names and returns them, keeping the others.
  ChangedLists take(const ChangedLists& wanted) {
    const ChangedLists taken{.persons = persons && wanted.persons,
                             .courses = courses && wanted.courses,
                             .users = users && wanted.users,
                             .training = training && wanted.training,
                             .renewalPeriods = renewalPeriods && wanted.renewalPeriods};
    persons &= !wanted.persons;
    courses &= !wanted.courses;
    users &= !wanted.users;
    training &= !wanted.training;
    renewalPeriods &= !wanted.renewalPeriods;
    return taken;
  }
};

inline constexpr ChangedLists kEveryList{
    .persons = true, .courses = true, .users = true, .training = true, .renewalPeriods = true};

}  // namespace vm::records
