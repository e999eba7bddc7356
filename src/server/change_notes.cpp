// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/change_notes.h"

#include "server/record_tables.h"
#include "server/schema.h"

namespace vm::server {

records::ChangedLists changedLists(std::span<const Notification> notifications) {
  records::ChangedLists changed;
  for (const Notification& n : notifications) {
    if (n.channel != kChangeChannel) continue;
    if (n.payload == kUsers.table) changed.users = true;
    if (n.payload == kPersons.table) changed.persons = true;
    if (n.payload == kCourses.table) changed.courses = true;
    if (n.payload == kTraining.table) changed.training = true;
    if (n.payload == "renewals") changed.renewalPeriods = true;
  }
  return changed;
}

}  // namespace vm::server
