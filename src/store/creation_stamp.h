// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/date_time.h"
#include "store/file_table.h"

namespace vm::store {

// The DateCreated of a new user, person or course: the current time to the second, moved
// on by one second at a time while another record of the same file already carries it.
// A stamp is a record's identity and training records link to it, so two records saved
// within one second must not share one. Opens and closes the file for the check.
double uniqueCreationStamp(FileTable& table, DataFile f, const format::DateTime& now);

}  // namespace vm::store
