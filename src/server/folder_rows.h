// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "server/connection.h"
#include "server/record_tables.h"
#include "store/change_log/change_line.h"
#include "store/file_table.h"

namespace vm::server {

// The rows of a data folder's record files, sent to their tables as a copy of the folder and a
// restore of a backup both send them: every record byte for byte, in file order, added after the
// table's rows. Nothing is sent for a file the folder lacks.

// Copies the records of the list's file, calling `step` after each; the rows are changed by
// `author`, or by nobody at no time when there is none. Returns the rows copied.
std::int64_t copyFileRows(Connection& connection, store::FileTable& folder, const TableShape& shape,
                          const std::function<void()>& step, const store::ChangeAuthor* author);

// Copies the renewal periods, each with the reserved bytes of its record.
std::int64_t copyRenewalRows(Connection& connection, store::FileTable& folder);

// Adds the lines of the folder's log `file` to the log table, after its lines; returns the lines
// the table then holds.
std::int64_t copyLogLines(Connection& connection, store::FileTable& folder, std::string_view file,
                          std::string_view table);

}  // namespace vm::server
