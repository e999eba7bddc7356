// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "server/connection.h"
#include "store/backup/file_started.h"
#include "store/change_log/change_line.h"
#include "store/file_system.h"

namespace vm::server {

// A backup of the server's records into a folder and their restore from one, the folder being as
// a data folder's backup is, so that either goes back to a data folder or to a server alike. Both
// return the name of the file that could not be written or restored, nothing when done; `started`
// is told each file and may stop the work (store::WorkStopped), which then changed nothing.

// Writes the database as of one moment into a temporary folder (copyServerToFolder), backs that
// up into `folder` (store::backUpFiles, with the backup's line at the end of its change log) and
// removes it, however the backup ends; then adds the line to the server's change log.
std::optional<std::string> backUpServer(Connection& connection, store::FileSystem& fs,
                                        const std::string& folder,
                                        const store::ChangeAuthor& author,
                                        const store::FileStarted& started);

// In one transaction: the users, persons, courses, training records and renewal periods become
// the backup's, record for record as a copy of a data folder writes them, as new rows (new places,
// so that another desk's save of a record it read before is refused rather than landing on
// another record); the logs keep every line, the change log taking the backup's only when it has
// none, and the change log gets the restore's line. Every list is announced as changed. A backup
// lacking a file that is always carried, or whose record file is not whole records, is refused
// and the server left as it was.
std::optional<std::string> restoreServer(Connection& connection, store::FileSystem& fs,
                                         const std::string& folder,
                                         const store::ChangeAuthor& author,
                                         const store::FileStarted& started);

}  // namespace vm::server
