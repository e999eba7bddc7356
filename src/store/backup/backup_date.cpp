// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/backup/backup_date.h"

#include <algorithm>

#include "format/automation_date.h"
#include "format/clock.h"
#include "format/date_text.h"
#include "store/backup/folder_path.h"
#include "store/change_log/change_entry.h"
#include "store/change_log/change_log.h"
#include "store/change_log/change_log_reader.h"
#include "store/change_log/record_changes.h"

namespace vm::store {
namespace {

// The time of the log's last line when it is the backup's own.
std::optional<std::string> ownLineTime(store::FileSystem& fs, const std::string& logPath) {
  std::optional<std::string> when;
  store::ChangeLogReader reader(fs, logPath, 4096);
  reader.readOlder([&](std::string_view line, store::LinePlace) {
    const store::ChangeEntry e = store::parseChangeLine(line);
    if (e.action == "data backed up" && e.details.ends_with(store::kBackupLogEnds)) when = e.when;
    return false;
  });
  return when;
}

}  // namespace

std::optional<std::string> backupDate(store::FileSystem& fs, const std::string& folder,
                                      std::span<const store::CarriedFile> files,
                                      std::string_view& reading) {
  reading = store::kChangeLogName;
  if (auto when = ownLineTime(fs, pathIn(folder, store::kChangeLogName))) return when;
  std::optional<std::int64_t> newest;
  for (const store::CarriedFile& c : files) {
    reading = c.name;
    if (const auto t = fs.modifiedTime(pathIn(folder, c.name)))
      newest = std::max(newest.value_or(*t), *t);
  }
  if (!newest) return std::nullopt;
  const double date = format::toAutomationDate(format::localDateTime(*newest));
  return format::formatDate(date) + ' ' + format::formatTime(date);
}

}  // namespace vm::store
