// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/backup_location.h"

#include <algorithm>

#include "store/carried_files.h"

namespace vm::backup {

bool holdsBackup(const std::vector<std::string>& names) {
  return std::ranges::find(names, store::kBackupMark) != names.end();
}

bool holdsUnrelatedFiles(const std::vector<std::string>& names) {
  const bool holdsFiles =
      std::ranges::any_of(names, [](const std::string& n) { return !n.starts_with('.'); });
  return holdsFiles && !holdsBackup(names);
}

std::string withTrailingSeparator(std::string folder) {
  if (!folder.ends_with('/')) folder += '/';
  return folder;
}

}  // namespace vm::backup
