// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "store/file_system.h"

namespace vm::store {

// Writes a file that the user named (an exported list) so that the name never holds part
// of it: the bytes go to a new file beside it, are flushed, and that file is renamed over
// the name in one step; the folder is flushed last. On any failure the new file is removed
// again and the failure (a StoreError) goes on; whatever the name held before is untouched.
void writeWholeFile(FileSystem& fs, const std::string& path, std::string_view bytes);

}  // namespace vm::store
