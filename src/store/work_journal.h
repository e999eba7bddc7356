// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "store/change_log/change_line.h"
#include "store/file_table.h"
#include "store/linked_records.h"
#include "store/work_step.h"

namespace vm::store {

// Every change of a record file is journalled work that writes its own lines in "Change.Log".
// The steps and the lines they owe are written down in "Journal.$$$" (flushed, with its folder
// entry) before the first byte of a data file changes; the steps are done; the lines go to the
// change log; and the journal is removed once all of it is on the disk. A crash or power cut in
// between leaves the journal behind, and the next start finishes the work before anything reads
// the files: a removal never leaves a tombstoned record or a half-rewritten set of files, a
// propagation never leaves some of a course's training records old and some new, an edit is
// written whole, an addition is found whole or cut back, and the log gets each line of work that
// was done exactly once, and no line of work that was not.
//
// A new kind of change is written as these steps and the changes that tell it
// (store/change_log/record_changes.h): a person's deletion is
// {DropLinked{Training, PersonID offset, the person's DateCreated}, RemoveRecord{Names, n}} told
// by personDeleted(person, 0); a training record's deletion {RemoveRecord{Training, n}} told by
// trainingDeleted. One piece of work removes at most one record per file. No code writes a record
// file any other way: the writers are private to the runner of the steps (record_writer.h).
inline constexpr std::string_view kJournalName = "Journal.$$$";

// Writes the journal, does the steps in order, writes the lines of the changes (each dated and
// signed by `author`, completed by its tally) at the end of the change log, and removes the
// journal again. The first step, when it is a patch or a compaction, tells `progress` how far it
// has come; when the progress stops it (WorkStopped), the step takes back what it wrote, the
// journal goes without a line, and the stop goes on to the caller. Returns what each step did.
// Work that changes nothing of the data files (a backup) has no steps and only its line.
std::vector<StepResult> doWork(FileTable& table, const ChangeAuthor& author,
                               std::vector<WorkStep> steps, std::span<const Change> changes,
                               const PassProgress& progress = {});

// At start-up, before anything reads the files: finishes a restore that was interrupted, or
// removes what a failed one staged (file_swap.h); does again every step of the work a journal
// names (a journal that was cut short before the work began is only removed) and, when every step
// is found done, writes the lines it owes; removes a leftover temporary file, and leaves every
// file closed. Returns whether work was finished.
bool finishInterruptedWork(FileTable& table);

}  // namespace vm::store
