// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "imports/import_plan.h"
#include "records/records.h"
#include "store/change_log/change_line.h"
#include "store/file_table.h"
#include "store/work_step.h"

namespace vm::imports {

// The additions as one piece of journalled work: the persons appended to Name.List, the courses to
// Course.Index, the training records to Training.Records (each file only when it gains records),
// in the order given.
std::vector<store::WorkStep> importSteps(const records::Additions& additions);

// The lines the work owes the change log: first the import's own ("data imported", the file and
// what its rows came to), then "person added", "course added" and "training credited" for each
// record, in the order of the records.
std::vector<store::Change> importChanges(const ImportPlan& plan, std::string_view file);

// What the plan adds, with those lines: what the records are given to write.
records::Additions importAdditions(const ImportPlan& plan, std::string_view file);

// The start-up reads journals up to 64 MiB; the lines are nearly all of one.
inline constexpr std::size_t kLongestImportLines = 48u * 1024 * 1024;

// Whether the work's journal, which holds every line until the work is done, stays well within
// what the start-up takes for a journal of the program's. Beyond that the rows are split over
// several imports.
bool fitsOneImport(const std::vector<store::Change>& changes, const store::ChangeAuthor& author,
                   std::size_t longestLines = kLongestImportLines);

// Writes the records and their lines into the data folder as one piece of work: all of them, or
// (after a failure, however far it came, and the next start) none. Writes nothing when nothing is
// added. Returns false, writing nothing, when the work would not fit one import.
bool writeImport(store::FileTable& table, const store::ChangeAuthor& author,
                 const records::Additions& additions);

}  // namespace vm::imports
