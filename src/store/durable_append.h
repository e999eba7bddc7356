// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "store/file.h"
#include "store/file_system.h"

namespace vm::store {

// Writes `data` at `offset`, at or past the end of an open file, as one whole: it is flushed
// before this returns (with the folder's entry too when the file was empty, as a file that
// was just made is), and on any failure the file is cut back to its old length before the
// failure goes on, so that no part of it is ever found in the file afterwards.
void appendWhole(FileSystem& fs, const File& file, std::uint64_t offset, std::span<const char> data,
                 const std::string& folder);

}  // namespace vm::store
