// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "store/file_system.h"

namespace vm::store {

// Copies the file at `from` into a file at `to`, made or emptied first, in large blocks that
// read every byte once, and flushes the copy before returning. On a failure both files are
// closed and the failure goes on; what was written of the copy is the caller's to remove.
void copyFlushed(FileSystem& fs, const std::string& from, const std::string& to);

// Makes an empty file at `to` (emptying one that is there), flushed.
void writeEmptyFlushed(FileSystem& fs, const std::string& to);

}  // namespace vm::store
