// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/durable_append.h"

#include "store/store_error.h"

namespace vm::store {

void appendWhole(FileSystem& fs, FileSystem::Handle h, std::uint64_t offset,
                 std::span<const char> data, const std::string& folder) {
  const std::uint64_t oldLength = fs.size(h);
  try {
    fs.write(h, offset, data);
    fs.sync(h);
    if (oldLength == 0) fs.syncFolder(folder);
  } catch (const StoreError&) {
    try {
      fs.truncate(h, oldLength);
      fs.sync(h);
    } catch (const StoreError&) {
      // The first failure is the one to report; a disk that refuses even this cannot be
      // helped from here.
    }
    throw;
  }
}

}  // namespace vm::store
