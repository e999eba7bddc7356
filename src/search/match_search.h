// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "scan/training_blocks.h"
#include "scan/training_pass.h"
#include "search/day_range.h"

namespace vm::search {

// Whether the search lists the persons who have a training record that meets every criterion, or
// those who have none (persons without any training record among them).
enum class MatchMode { Match, DoNotMatch };

// What a training record must meet; an absent or empty criterion is met by every record.
struct MatchCriteria {
  std::optional<DayRange> days;  // of TrainingDate, the time of day ignored
  std::string courseCode;        // found inside CourseCode (see TextCriterion)
  std::string comments;          // found inside Comments
  MatchMode mode = MatchMode::Match;
};

// The persons found among the listed ones, given by their DateCreated in list order: their
// positions in the list, in that order. One pass over the training records (their ranges read
// side by side) decides for every person at once; the result is the same as scanning all the
// records once for each person in turn.
std::vector<int> matchSearch(scan::TrainingBlocks& blocks, std::span<const double> persons,
                             const MatchCriteria& criteria, const scan::PassOptions& pass = {});

// What the search looks at, for the blocks it reads.
scan::TrainingHint matchHint(std::span<const double> persons, const MatchCriteria& criteria);

}  // namespace vm::search
