// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/backup/restore_copy.h"

#include <vector>

#include "store/backup/backup_date.h"
#include "store/backup/folder_path.h"
#include "store/carried_files.h"
#include "store/change_log/change_log.h"
#include "store/change_log/record_changes.h"
#include "store/file_copy.h"
#include "store/file_swap.h"
#include "store/store_error.h"
#include "store/work_stopped.h"

namespace vm::store {
namespace {

// Copies every file under its staged name; returns the swap, or throws with `failed` naming
// the file whose copy failed.
std::vector<store::SwapEntry> stage(store::FileTable& table, const std::string& from,
                                    std::span<const store::CarriedFile> files,
                                    const FileStarted& started, std::string_view& failed) {
  store::FileSystem& fs = table.fileSystem();
  std::vector<store::SwapEntry> entries;
  for (const store::CarriedFile& c : files) {
    failed = c.name;
    if (started) started(c.name);
    // The data folder's change log stays as it is: the restore only adds its line.
    if (c.carry == store::Carry::Grows && table.exists(c.name)) continue;
    const std::string source = pathIn(from, c.name);
    if (c.carry != store::Carry::Always && !fs.exists(source)) {
      if (c.carry == store::Carry::WhenPresent) entries.push_back({std::string(c.name), true});
      continue;
    }
    store::copyFlushed(fs, source, table.pathOf(store::stagedName(c.name)), {},
                       goingOn(started, c.name));
    entries.push_back({std::string(c.name), false});
  }
  return entries;
}

// After a failure before the swap: the staged copies go, so that a full disk gets its space
// back. A failure here changes nothing; the next start removes what is left.
void removeStagedQuietly(store::FileTable& table, std::span<const store::CarriedFile> files) {
  try {
    if (store::removeStagedCopies(table, files)) table.flushFolder();
  } catch (const store::StoreError&) {
  }
}

// The line of the restore, at the end of the data folder's log, or of the backup's copy where
// the data folder has none: who, from which folder, when that backup was made, which files came
// back and which went because the backup has none.
store::OwedLine restoreLine(store::FileTable& table, const std::string& backupFolder,
                            const store::ChangeAuthor& author,
                            const std::vector<store::SwapEntry>& entries,
                            const std::optional<std::string>& backedUp) {
  std::vector<std::string> put;
  std::vector<std::string> removed;
  std::uint64_t logAt = store::changeLogEnd(table);
  for (const store::SwapEntry& e : entries) {
    if (e.remove) {
      if (table.exists(e.name)) removed.push_back(e.name);
      continue;
    }
    put.push_back(e.name);
    if (e.name == store::kChangeLogName)
      logAt = table.fileSize(store::stagedName(e.name)).value_or(0);
  }
  const store::Change change =
      store::dataRestored(backupFolder, put, backedUp.value_or(""), removed);
  return {logAt, store::pendingLine(author, change)};
}

}  // namespace

std::optional<std::string_view> missingFromBackup(FileSystem& fs, const std::string& folder,
                                                  std::span<const CarriedFile> files) {
  for (const store::CarriedFile& c : files) {
    if (c.carry != store::Carry::Always) continue;
    try {
      if (!fs.exists(pathIn(folder, c.name))) return c.name;
    } catch (const store::StoreError&) {
      return c.name;
    }
  }
  return std::nullopt;
}

std::optional<std::string> restoreFiles(store::FileTable& table, const std::string& backupFolder,
                                        const store::ChangeAuthor& author,
                                        const FileStarted& started,
                                        std::span<const store::CarriedFile> files) {
  if (const auto missing = missingFromBackup(table.fileSystem(), backupFolder, files))
    return std::string(*missing);
  table.closeAll();
  std::vector<store::SwapEntry> entries;
  store::OwedLine line;
  std::string_view failed;
  try {
    entries = stage(table, backupFolder, files, started, failed);
    const std::optional<std::string> backedUp =
        backupDate(table.fileSystem(), backupFolder, files, failed);
    line = restoreLine(table, backupFolder, author, entries, backedUp);
    store::writeSwapMarker(table, entries, line);
  } catch (const store::StoreError&) {
    removeStagedQuietly(table, files);
    return std::string(failed);
  } catch (const store::WorkStopped&) {
    // Stopped before the swap: the data folder is as it was.
    removeStagedQuietly(table, files);
    throw;
  }
  store::swapStaged(table, entries, line);
  return std::nullopt;
}

}  // namespace vm::store
