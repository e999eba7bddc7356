// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

#include "imports/import_plan.h"
#include "scan/training_blocks.h"
#include "store/file_table.h"

namespace vm::imports {

// The persons of Name.List and the courses of Course.Index, read once for an import. Opens and
// closes the files.
OnFile readOnFile(store::FileTable& table);

// For each training record, whether the training records hold one of the same person and course
// on the same date: one pass over them, however many records are asked about.
std::vector<bool> trainingOnFile(scan::TrainingBlocks& blocks,
                                 std::span<const store::TrainingRecord> trainings);

// What the check looks at, for the blocks it reads: the records' persons and the days they span.
scan::TrainingHint onFileHint(std::span<const store::TrainingRecord> trainings);

}  // namespace vm::imports
