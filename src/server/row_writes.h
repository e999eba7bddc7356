// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "format/date_time.h"
#include "server/connection.h"
#include "server/copy_rows.h"
#include "server/edit_conflict.h"
#include "server/server_rows.h"
#include "store/change_log/change_line.h"

namespace vm::server {

// The steps the server's changes are made of, each inside the transaction of its change.

// Holds the table's list for the rest of the transaction, so that additions that count the list
// or pick a creation stamp take turns.
void holdList(Connection& connection, store::DataFile list);

// Locks the record for the rest of the transaction (`share`: only against changes) and checks
// that it is still the version the caller read; EditConflict (naming `what`) when it changed or
// went.
template <typename Record>
Row<Record> lockedRow(Connection& connection, RowRef ref, std::string_view what,
                      bool share = false);

// The DateCreated of a new user, person or course: the author's time to the second, moved on by
// a second while another record of the list has it, as the data folder does. After holdList.
double uniqueStamp(Connection& connection, const TableShape& shape, const format::DateTime& now);

// Adds the record at the end of its list, as version 1 changed by the author; returns its place.
std::int64_t insertRow(Connection& connection, const TableShape& shape, std::span<const char> bytes,
                       const store::ChangeAuthor& author);
// Many records at once; "changed_by, changed_at" follow the record's columns.
void copyRow(CopyRows& copy, const TableShape& shape, std::span<const char> bytes,
             const store::ChangeAuthor* author);
std::string copyColumns(const TableShape& shape);

// Writes the record's new bytes over the row, one version on.
void updateRow(Connection& connection, const TableShape& shape, std::int64_t pos,
               std::span<const char> bytes, const store::ChangeAuthor& author);

void deleteRow(Connection& connection, const TableShape& shape, std::int64_t pos);

// The automation date a change is stamped with.
double changeStamp(const store::ChangeAuthor& author);

}  // namespace vm::server
