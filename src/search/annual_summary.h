// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <vector>

#include "scan/training_blocks.h"
#include "scan/training_pass.h"

namespace vm::search {

// One listed person with training in the year: the position of the person's row in the list and
// the hours of the person's records dated in that year.
struct PersonHours {
  int row = 0;
  double hours = 0;
};

struct AnnualSummary {
  std::vector<PersonHours> persons;  // in list order; persons without training in the year left out
  double total = 0;                  // the sum of the persons' hours, in list order
};

// The training hours of the listed persons, given by their DateCreated in list order, for one
// calendar year. Hours are added in double precision, each record adding its stored
// hours as their shortest text reads (2.2 adds 2.2, not the single nearest to it), so that three
// records of 2.2 hours make 6.6 and not 6.6000004. One pass over the training records (their
// ranges read side by side); the result is the same as scanning all the records once for each
// person in turn.
AnnualSummary annualSummary(scan::TrainingBlocks& blocks, std::span<const double> persons, int year,
                            const scan::PassOptions& pass = {});

// What the summary looks at, for the blocks it reads.
scan::TrainingHint summaryHint(std::span<const double> persons, int year);

// What a record's stored hours add to a sum: the number their shortest text reads as.
double hoursAddend(float stored);

// Hours as the summary shows them: the shortest text of the sum taken as a single.
std::string hoursText(double hours);

}  // namespace vm::search
