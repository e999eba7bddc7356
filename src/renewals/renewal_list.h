// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "renewals/renewal_status.h"
#include "scan/training_blocks.h"
#include "scan/training_pass.h"

namespace vm::renewals {

// A course whose trainings must be renewed.
struct RenewalCourse {
  double id = 0;   // the course's DateCreated, as training records link to it
  int months = 0;  // its renewal period, at least 1
};

// What the list is asked for: the day it is as of, how many days ahead count as due, and whether
// persons who never took a course are listed.
struct RenewalQuery {
  std::int64_t today = 0;
  int dueWithin = 30;
  bool neverTaken = false;
};

// One listed person in one course: the person's latest training in it, the day that training
// lapses and where the person stands.
struct RenewalEntry {
  int row = 0;     // the person's row in the list, from 0
  int course = 0;  // the course's place among those asked about, from 0
  RenewalStatus status = RenewalStatus::NeverTaken;
  std::optional<std::int64_t> trained;  // nothing: never taken
  std::optional<std::int64_t> lapses;   // nothing: never taken, or never lapses
};

struct RenewalCounts {
  int expired = 0;
  int due = 0;
  int current = 0;
  int neverTaken = 0;  // counted whether they are listed or not
};

struct RenewalList {
  // Expired first, then due, current and never taken; within each the earliest lapse first
  // (a training that never lapses last), then in list order of persons and of courses.
  std::vector<RenewalEntry> entries;
  RenewalCounts counts;
};

// Where each listed person, given by their DateCreated in list order, stands in each course: a
// training counts for the person its PersonID links to and the course its CourseID links to, and
// the latest by day is the one that lapses. One pass over the training records, as the search
// makes; the blocks need hand over only the persons' records (scan::personsHint).
RenewalList renewalList(scan::TrainingBlocks& blocks, std::span<const double> persons,
                        std::span<const RenewalCourse> courses, const RenewalQuery& query,
                        const scan::PassOptions& pass = {});

}  // namespace vm::renewals
