// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "store/file_system.h"

namespace vm::store {

// Writes a file that the user named (an exported list) so that the name never holds part
// of it: the bytes go to a new file beside it, are flushed, and that file is renamed over
// the name in one step; the folder is flushed last. On any failure the new file is removed
// again and the failure (a StoreError) goes on; whatever the name held before is untouched.
void writeWholeFile(FileSystem& fs, const std::string& path, std::string_view bytes);

// Hands out the pieces of a file being made, in order.
using PutPiece = std::function<void(std::string_view piece)>;

// Makes a new file in a folder being put together (a data folder copied from elsewhere, renamed
// into place whole by the caller): `fill` hands the bytes over in pieces, so that a large file
// never has to be held whole, and the file is flushed before it is closed. A failure (a
// StoreError, or whatever `fill` throws) goes on with the file left for the caller's folder to go.
void writeNewFile(FileSystem& fs, const std::string& path,
                  const std::function<void(const PutPiece& put)>& fill);

}  // namespace vm::store
