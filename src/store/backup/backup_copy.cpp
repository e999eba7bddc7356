// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/backup/backup_copy.h"

#include <vector>

#include "store/backup/folder_path.h"
#include "store/carried_files.h"
#include "store/change_log/record_changes.h"
#include "store/file_copy.h"
#include "store/store_error.h"
#include "store/work_journal.h"
#include "store/work_stopped.h"

namespace vm::store {
namespace {

struct Planned {
  std::string_view name;
  bool remove = false;  // the data folder has no such file: an older copy goes
};

// After a failure: the staged copies go, so that a full disk gets its space back. A failure
// here changes nothing; the next backup into the folder replaces what is left.
void removeStaged(store::FileSystem& fs, const std::string& folder,
                  std::span<const store::CarriedFile> files) {
  for (const store::CarriedFile& c : files) {
    try {
      fs.remove(pathIn(folder, store::stagedName(c.name)));
    } catch (const store::StoreError&) {
    }
  }
}

// Writes every file under its staged name; returns the plan, or throws with `failed` naming
// the file whose copy failed.
std::vector<Planned> stage(store::FileSystem& fs, const std::string& from, const std::string& to,
                           std::span<const store::CarriedFile> files, const FileStarted& started,
                           std::string_view logLine, std::string_view& failed) {
  std::vector<Planned> plan;
  for (const store::CarriedFile& c : files) {
    failed = c.name;
    if (started) started(c.name);
    const std::string source = pathIn(from, c.name);
    const std::string staged = pathIn(to, store::stagedName(c.name));
    const std::string_view ownLine = c.carry == store::Carry::Grows ? logLine : "";
    if (fs.exists(source)) {
      store::copyFlushed(fs, source, staged, ownLine, goingOn(started, c.name));
    } else if (c.carry == store::Carry::Always || !ownLine.empty()) {
      store::writeFlushed(fs, staged, ownLine);
    } else {
      fs.remove(staged);
      plan.push_back({c.name, true});
      continue;
    }
    plan.push_back({c.name, false});
  }
  return plan;
}

void putInPlace(store::FileSystem& fs, const std::string& folder, const Planned& p) {
  const std::string path = pathIn(folder, p.name);
  if (p.remove)
    fs.remove(path);
  else
    fs.rename(pathIn(folder, store::stagedName(p.name)), path);
}

}  // namespace

std::optional<std::string> backUpFiles(store::FileSystem& fs, const std::string& dataFolder,
                                       const std::string& backupFolder, const FileStarted& started,
                                       std::span<const store::CarriedFile> files,
                                       std::string_view logLine) {
  const std::string_view mark = files.front().name;
  std::string_view failed;
  try {
    const std::vector<Planned> plan =
        stage(fs, dataFolder, backupFolder, files, started, logLine, failed);
    failed = mark;
    fs.remove(pathIn(backupFolder, mark));
    fs.syncFolder(backupFolder);
    for (std::size_t i = 1; i < plan.size(); ++i) {
      failed = plan[i].name;
      putInPlace(fs, backupFolder, plan[i]);
    }
    fs.syncFolder(backupFolder);
    failed = mark;
    putInPlace(fs, backupFolder, plan.front());
    fs.syncFolder(backupFolder);
  } catch (const store::StoreError&) {
    removeStaged(fs, backupFolder, files);
    return std::string(failed);
  } catch (const store::WorkStopped&) {
    removeStaged(fs, backupFolder, files);
    throw;
  }
  return std::nullopt;
}

store::Change backupChange(store::FileTable& table, const std::string& backupFolder,
                           std::span<const store::CarriedFile> files) {
  std::vector<std::string> held;
  for (const store::CarriedFile& c : files)
    if (c.carry != store::Carry::WhenPresent || table.exists(c.name)) held.emplace_back(c.name);
  return store::dataBackedUp(backupFolder, held);
}

void logBackup(store::FileTable& table, const store::ChangeAuthor& author,
               const store::Change& change) {
  store::doWork(table, author, {}, {&change, 1});
}

}  // namespace vm::store
