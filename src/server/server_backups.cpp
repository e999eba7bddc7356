// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/server_backups.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "server/change_lines.h"
#include "server/folder_rows.h"
#include "server/folder_transfer.h"
#include "server/row_writes.h"
#include "store/backup/backup_copy.h"
#include "store/backup/backup_date.h"
#include "store/backup/folder_path.h"
#include "store/backup/restore_copy.h"
#include "store/carried_files.h"
#include "store/change_log/record_changes.h"
#include "store/read_only_folder.h"
#include "store/store_error.h"

namespace vm::server {
namespace {

namespace fsys = std::filesystem;

// A new folder of its own in the system's temporary folder, removed with all it holds.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (fsys::temp_directory_path() / "verdimark-backup-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
      throw store::StoreError("Cannot make the folder", pattern, std::strerror(errno));
    path_ = pattern;
  }
  ~TemporaryFolder() {
    std::error_code ec;
    fsys::remove_all(path_, ec);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// A record file of the backup that the tables cannot take as it is: not whole records, or more
// than its list can count.
struct NotWhole {};

void checkWhole(store::FileTable& backup, store::DataFile file) {
  const std::uint64_t bytes = backup.fileSize(store::fileName(file)).value_or(0);
  const std::uint64_t length = store::recordLength(file);
  if (bytes % length != 0 || bytes / length > static_cast<std::uint64_t>(store::maxRecords(file)))
    throw NotWhole{};
}

const TableShape* shapeOfFile(std::string_view name) {
  for (const TableShape* shape : kRecordTables)
    if (store::fileName(shape->file) == name) return shape;
  return nullptr;
}

}  // namespace

std::optional<std::string> backUpServer(Connection& c, store::FileSystem& fs,
                                        const std::string& folder,
                                        const store::ChangeAuthor& author,
                                        const store::FileStarted& started) {
  const std::string mark(store::kBackupMark);
  if (started) started(mark);
  std::optional<TemporaryFolder> snapshot;
  std::string from;
  try {
    snapshot.emplace();
    from = store::pathIn(snapshot->path(), "records");
    copyServerToFolder(c, fs, from, [&](std::int32_t, std::int32_t, std::int32_t) {
      if (started) started(mark);
    });
  } catch (const store::StoreError&) {
    return mark;
  } catch (const fsys::filesystem_error&) {
    return mark;
  }
  store::FileTable table(fs, from, store::FolderUse::Reader);
  const store::Change change = store::backupChange(table, folder);
  const std::string line =
      store::finishedLine(store::pendingLine(author, change), store::Tally::None, 0, 0);
  if (auto failed = store::backUpFiles(fs, from, folder, started, store::kCarriedFiles, line))
    return failed;
  c.transaction([&] { addChangeLines(c, author, {&change, 1}); });
  return std::nullopt;
}

std::optional<std::string> restoreServer(Connection& c, store::FileSystem& fs,
                                         const std::string& folder,
                                         const store::ChangeAuthor& author,
                                         const store::FileStarted& started) {
  if (const auto missing = store::missingFromBackup(fs, folder, store::kCarriedFiles))
    return std::string(*missing);
  store::ReadOnlyFolder readOnly(fs, folder);
  store::FileTable backup(readOnly, folder, store::FolderUse::Reader);
  std::string_view failed;
  try {
    const std::optional<std::string> backedUp =
        store::backupDate(readOnly, folder, store::kCarriedFiles, failed);
    // Told again while a statement of the restore runs (another desk's hold, a removal of many
    // records), so that Esc is heard then too, not only between files.
    const Connection::StopCheck check(c, [&] {
      if (started) started(failed.empty() ? store::kBackupMark : failed);
    });
    c.transaction([&] {
      for (const store::DataFile list : store::kRecordFiles) holdList(c, list);
      const bool hadPeriods = c.exec("SELECT EXISTS (SELECT FROM renewals)").getBool(0, 0);
      c.run(
          "DELETE FROM users; DELETE FROM persons; DELETE FROM courses; DELETE FROM training; "
          "DELETE FROM renewals");
      std::vector<std::string> put;
      std::vector<std::string> removed;
      for (const store::CarriedFile& file : store::kCarriedFiles) {
        failed = file.name;
        if (started) started(file.name);
        const std::string name(file.name);
        if (file.name == store::kUserLogName) continue;  // the server's log of log-ins stays
        if (file.carry == store::Carry::Grows) {
          if (logHoldsLines(c, kChangeLogTable) || !backup.exists(file.name)) continue;
          copyLogLines(c, backup, file.name, kChangeLogTable);
          put.push_back(name);
          continue;
        }
        if (const TableShape* shape = shapeOfFile(file.name)) {
          checkWhole(backup, shape->file);
          int copied = 0;
          copyFileRows(
              c, backup, *shape,
              [&] {
                if (started && ++copied % 256 == 0) started(file.name);
              },
              &author);
        } else if (backup.exists(file.name)) {
          checkWhole(backup, store::DataFile::Renewals);
          copyRenewalRows(c, backup);
        } else {
          if (hadPeriods) removed.push_back(name);
          continue;
        }
        put.push_back(name);
      }
      const store::Change change = store::dataRestored(folder, put, backedUp.value_or(""), removed);
      addChangeLines(c, author, {&change, 1});
    });
  } catch (const store::StoreError&) {
    return std::string(failed);
  } catch (const NotWhole&) {
    return std::string(failed);
  }
  return std::nullopt;
}

}  // namespace vm::server
