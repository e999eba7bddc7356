// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "server/connection.h"
#include "store/file_system.h"
#include "store/file_table.h"
#include "store/pass_progress.h"

namespace vm::server {

// Moving the data between a data folder and a server database, nothing lost: every record of the
// four record files (byte for byte, in file order), the renewal periods, the change log and the
// user log of log-ins and log-outs, which is the data's too. A folder copied to a server and
// back holds the same bytes in each of these files.

// A copy refused before anything was written; the message says why.
class TransferRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TransferCount {
  std::int64_t users = 0;
  std::int64_t persons = 0;
  std::int64_t courses = 0;
  std::int64_t training = 0;
  std::int64_t renewals = 0;
  std::int64_t changeLines = 0;
  std::int64_t userLogLines = 0;
};

// Both copies tell `progress` how many records of the four record files they have copied; a
// store::WorkStopped it throws stops the copy, which then leaves everything as it was.

// Copies the data folder of `folder` into the database in one transaction: all of it or, on any
// failure, nothing. Refuses (TransferRefused) a database that already holds any record or log
// line, and a folder with work left unfinished by a crash (the program finishes it when it opens
// the folder). The folder is only read; the caller keeps other copies of the program off it.
TransferCount copyFolderToServer(Connection& connection, store::FileTable& folder,
                                 const store::PassProgress& progress = {});

// Writes the database, as of one moment, into a new data folder at `target` that the program
// opens as it opens any: the files a backup always carries (empty when the database has nothing
// for them), the renewal periods and the change log when there are any. The files are written and
// flushed in a folder beside the target, which is renamed to the target in one step, so the
// target is the whole copy or nothing. Refuses a target that holds anything.
TransferCount copyServerToFolder(Connection& connection, store::FileSystem& fs,
                                 const std::string& target,
                                 const store::PassProgress& progress = {});

}  // namespace vm::server
