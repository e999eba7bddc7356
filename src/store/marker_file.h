// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/file_table.h"

namespace vm::store {

// The small files that write down work in progress before it begins (the journal, the restore
// marker), so that the next start can finish it.

// Writes the file whole and flushed, with its folder entry, before returning. On a failure
// nothing of it is left and the failure goes on: the work has not begun.
void writeMarkerFile(FileTable& table, std::string_view name, const std::string& text);

// The file's text, at most `limit` + 1 bytes of it, so that a longer file, which is not one of
// ours, is known by its length.
std::string readMarkerFile(FileSystem& fs, const std::string& path, std::uint64_t limit);

}  // namespace vm::store
