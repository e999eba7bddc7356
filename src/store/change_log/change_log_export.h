// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "store/change_log/change_entry.h"
#include "store/change_log/change_line_source.h"
#include "store/file_system.h"

namespace vm::store {

// The change log's lines not read yet from `lines` as a CSV file for spreadsheets, in the form
// every exported list has (format/csv_text.h, every column text, so that no value typed into a
// record opens as a formula): the header "Date and Time,User,Action,Record,Details", then one
// record per line that passes the filter, newest first as the viewer lists them. The file is
// written whole (whole_file.h): the name holds its old file or the whole export, never part of one.
// Returns the lines written.
std::int64_t exportChangeLog(ChangeLineSource& lines, const ChangeFilter& filter, FileSystem& fs,
                             const std::string& csvPath);

}  // namespace vm::store
