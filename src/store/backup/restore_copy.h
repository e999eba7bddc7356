// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>

#include "store/backup/file_started.h"
#include "store/carried_files.h"
#include "store/change_log/change_line.h"
#include "store/file_system.h"
#include "store/file_table.h"

namespace vm::store {

// The first file that is always carried and that the backup in the folder lacks (or that cannot
// be looked for); nothing when it holds them all.
std::optional<std::string_view> missingFromBackup(FileSystem& fs, const std::string& folder,
                                                  std::span<const CarriedFile> files);

// Puts the carried files (store/carried_files.h) of the backup folder in place of the data
// folder's, all together or not at all. A backup that lacks a file that is always carried is
// refused before anything is copied. Each file is copied under its staged name into the data
// folder and flushed; any failure until then removes the staged copies and leaves every current
// file as it was. Then the swap (store/file_swap.h) renames them all into place, removes the
// files that are carried only when present and that the backup lacks, and drops any journal of
// unfinished work on the old files, and adds the line of the restore to the change log. The log
// only grows: the data folder's log keeps every line it had and gets the restore's at its end;
// only a data folder without a log takes the backup's (so that a lost folder comes back with its
// history), or starts a new one with the line. The line tells who (`author`) restored from which
// folder a backup made when (backup_date.h), which files came back and which went. A failure
// during the swap goes on as a StoreError, and the next start finishes the swap and writes its
// line, once.
//
// Returns the name of the file that could not be restored, or nothing when the restore is done.
std::optional<std::string> restoreFiles(
    store::FileTable& table, const std::string& backupFolder, const store::ChangeAuthor& author,
    const FileStarted& started = {},
    std::span<const store::CarriedFile> files = store::kCarriedFiles);

}  // namespace vm::store
