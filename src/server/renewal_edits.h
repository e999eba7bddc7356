// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <vector>

#include "server/connection.h"
#include "store/change_log/change_line.h"

namespace vm::server {

// A course's renewal period as the user set it: 0 for none. The code and name name the course in
// the change log.
struct PeriodChange {
  double courseId = 0;
  int months = 0;
  std::string code{};
  std::string name{};
};

// Writes the changes into the renewal periods in one transaction, with a line per period that
// changed ("renewal period changed", the course, `Months: "12" -> "24"`), as the data folder's
// Course.Renewal takes them: a course's period gets its new months (every other byte of it kept)
// or goes when taken away, a course without one gets one at the end in the order given, and the
// other periods stay as they are; a course listed twice takes the change everywhere and is told
// once. The months before are those on the server when the change is made, whoever set them.
// Nothing is written when nothing changes. Returns the changes told.
std::vector<store::Change> savePeriodChanges(Connection& connection,
                                             const store::ChangeAuthor& author,
                                             std::span<const PeriodChange> changes);

}  // namespace vm::server
