// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "store/file_system.h"

namespace vm::store {

// Copies the file at `from` into a file at `to`, made or emptied first, in large blocks that
// read every byte once, then writes `after` behind the copied bytes, and flushes the copy before
// returning. On a failure both files are closed and the failure goes on; what was written of the
// copy is the caller's to remove. `blockCopied` is called after each block, and may stop the copy
// by throwing.
void copyFlushed(FileSystem& fs, const std::string& from, const std::string& to,
                 std::string_view after = {}, const std::function<void()>& blockCopied = {});

// Makes a file at `to` that holds the bytes (replacing one that is there), flushed.
void writeFlushed(FileSystem& fs, const std::string& to, std::string_view bytes);

}  // namespace vm::store
