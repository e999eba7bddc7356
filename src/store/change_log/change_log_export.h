#pragma once

#include <cstdint>
#include <string>

#include "store/change_log/change_entry.h"
#include "store/file_system.h"

namespace vm::store {

// The change log's lines as a comma-separated file (RFC 4180) for spreadsheets: a UTF-8 byte-order
// mark, the header "Date and Time,User,Action,Record,Details", then one record per line that
// passes the filter, newest first as the viewer lists them, each ended by CR LF. A cell that holds
// a comma, a double quote, a line break or blanks at either end is put in double quotes, with
// every double quote in it doubled.
//
// The file is written beside its name first, flushed, and renamed over the name in one step (the
// folder is flushed last), so the name never holds part of an export; on a failure the new file
// goes again and the failure goes on. The log is read from its end a block at a time and the file
// written as it goes, so a log of any length needs little memory. Returns the lines written.
std::int64_t exportChangeLog(FileSystem& fs, const std::string& logPath, const ChangeFilter& filter,
                             const std::string& csvPath);

// One cell as the export writes it.
std::string csvCell(std::string_view utf8);

}  // namespace vm::store
