// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "store/carried_files.h"
#include "store/file_system.h"

namespace vm::store {

// When the backup in a folder was made, as a restore's line tells it ("mm/dd/yyyy hh:nn:ss",
// local time): the time of the backup's own line, which ends its copy of the change log and says
// so (store/change_log/record_changes.h); for a backup without that line (made by an earlier
// build, or whose log is gone), the newest modification time of its carried files, which every
// backup writes anew. Nothing when the folder holds none of them. A failure to read the folder
// throws StoreError, with `reading` naming the file being read.
std::optional<std::string> backupDate(store::FileSystem& fs, const std::string& folder,
                                      std::span<const store::CarriedFile> files,
                                      std::string_view& reading);

}  // namespace vm::store
