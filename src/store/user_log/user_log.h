// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "store/file_table.h"

namespace vm::store {

// "User.Log" in the data folder: one line per log-in and log-out (user_log_line.h), Windows-1252
// text, each line ended by CR LF. It is only ever appended to.

// Appends the line (UTF-8, without its line end) at the end of the log, which is made when
// missing: the whole line or nothing, flushed before this returns, so that a disk that fills up
// midway leaves no part of it. A failure throws StoreError.
void appendUserLogLine(const FileTable& table, std::string_view utf8Line);

// The whole log as UTF-8 text. The log must exist.
std::string readUserLogText(const FileTable& table);

}  // namespace vm::store
