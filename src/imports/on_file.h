// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

#include "imports/import_plan.h"
#include "records/records.h"
#include "scan/training_blocks.h"

namespace vm::imports {

// The persons and the courses of the records, read once for an import, without the tombstoned
// ones that a data file written by another build may hold.
OnFile readOnFile(records::Records& records);

// For each training record, whether the training records hold one of the same person and course
// on the same date: one pass over them, however many records are asked about.
std::vector<bool> trainingOnFile(scan::TrainingBlocks& blocks,
                                 std::span<const store::TrainingRecord> trainings);

// What the check looks at, for the blocks it reads: the records' persons and the days they span.
scan::TrainingHint onFileHint(std::span<const store::TrainingRecord> trainings);

}  // namespace vm::imports
