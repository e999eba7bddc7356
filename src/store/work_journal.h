#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "store/file_table.h"
#include "store/linked_records.h"
#include "store/work_step.h"

namespace vm::store {

// Work that rewrites data files is written down in "Journal.$$$" (flushed, with its folder
// entry) before the first byte of a data file changes, and the journal is removed once the
// last change is on the disk. A crash or power cut in between leaves the journal behind, and
// the next start finishes the work before anything reads the files: a removal never leaves a
// tombstoned record or a half-rewritten set of files, and a propagation never leaves some of
// a course's training records old and some new.
//
// A new kind of rewrite registers itself by being written as these steps: a person's deletion
// is {RemoveRecord{Names, n}, DropLinked{Training, PersonID offset, the person's DateCreated}},
// a training record's deletion {RemoveRecord{Training, n}}. One piece of work removes at most
// one record per file.
inline constexpr std::string_view kJournalName = "Journal.$$$";

// Writes the journal, does the steps in order and removes the journal again. Patch steps tell
// `progress` how far they have come. Returns what each step did.
std::vector<StepResult> doWork(FileTable& table, std::vector<WorkStep> steps,
                               const PassProgress& progress = {});

// At start-up, before anything reads the files: finishes a restore that was interrupted, or
// removes what a failed one staged (file_swap.h); does again every step of the work a journal
// names (a journal that was cut short before the work began is only removed), removes a
// leftover temporary file, and leaves every file closed. Returns whether work was finished.
bool finishInterruptedWork(FileTable& table);

// Removes record n of the file as journalled work and returns the new count.
std::int32_t removeRecord(FileTable& table, DataFile f, std::int32_t n);

}  // namespace vm::store
