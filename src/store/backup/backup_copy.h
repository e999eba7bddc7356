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

// Copies the carried files (store/carried_files.h; the first of them marks a backup) from the
// data folder into the backup folder.
// Each is written under its staged name and flushed first; a file the data folder lacks is
// written as an empty file when it is always carried, and an older backup's copy of it is
// removed when it is carried only when present. Only then does the older backup's "User.List"
// go (and the folder is flushed), the other files are renamed into place, the folder is flushed
// and "User.List" comes last: at every moment a folder holding "User.List" holds one whole
// backup, the older or the new one, and never a mix. Staged copies left by an interrupted
// backup are replaced or removed by the next one.
//
// `logLine`, the backup's own line (backupChange), ends the backup's copy of the file that only
// grows (the change log), which is made of the line alone when the data folder has none.
//
// Returns the name of the file that could not be copied, after removing every staged copy; or
// nothing when the backup is complete and on the disk. A failure before the renames leaves an
// older backup in the folder whole; a failure during them leaves no "User.List", so that the
// folder is refused by a restore rather than restored half old and half new.
std::optional<std::string> backUpFiles(
    store::FileSystem& fs, const std::string& dataFolder, const std::string& backupFolder,
    const FileStarted& started = {},
    std::span<const store::CarriedFile> files = store::kCarriedFiles,
    std::string_view logLine = {});

// The change of a backup into the folder, naming the files the backup will hold: those always
// carried, those the data folder has, and the change log, which the line itself ends.
store::Change backupChange(store::FileTable& table, const std::string& backupFolder,
                           std::span<const store::CarriedFile> files = store::kCarriedFiles);

// After a backup: adds its line, by `author`, to the data folder's change log, the same line that
// ends the backup's copy. It is written after the copies, so a backup cut short by a crash has
// none, in either log.
void logBackup(store::FileTable& table, const store::ChangeAuthor& author,
               const store::Change& change);

}  // namespace vm::store
