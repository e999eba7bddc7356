// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "records/records.h"
#include "store/change_log/change_line.h"
#include "store/file_table.h"
#include "store/linked_records.h"
#include "store/records.h"

namespace vm::courses {

using PropagationCount = records::CarryCount;

// Told how far the pass has come: records reviewed so far, all records, records updated.
using PropagationProgress = store::PassProgress;

// Carries the course's code, name, provider and hours into every training record whose CourseID is
// the course's DateCreated, in one sequential pass over Training.Records that rewrites only those
// records, in place; every other byte of the file stays as it was. The pass is journalled work: if
// it is interrupted, the next start finishes it, and the change log's line tells how many records
// were updated of how many. `progress` is told at the first record, then a few times a second, and
// at the end. Opens and closes the file.
PropagationCount propagateCourse(store::FileTable& table, const store::ChangeAuthor& author,
                                 const store::CourseRecord& course,
                                 const PropagationProgress& progress);

}  // namespace vm::courses
