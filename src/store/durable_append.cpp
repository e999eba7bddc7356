// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/durable_append.h"

#include "store/store_error.h"

namespace vm::store {

void appendWhole(FileSystem& fs, const File& file, std::uint64_t offset, std::span<const char> data,
                 const std::string& folder) {
  const std::uint64_t oldLength = file.size();
  try {
    file.write(offset, data);
    file.sync();
    if (oldLength == 0) fs.syncFolder(folder);
  } catch (const StoreError&) {
    try {
      file.truncate(oldLength);
      file.sync();
    } catch (const StoreError&) {
      // The first failure is the one to report; a disk that refuses even this cannot be
      // helped from here.
    }
    throw;
  }
}

}  // namespace vm::store
