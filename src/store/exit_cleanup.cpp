// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/exit_cleanup.h"

namespace vm::store {

void closeAndRemoveEmptyFiles(FileTable& table) {
  table.closeAll();
  bool removed = false;
  for (std::string_view name : kDataFileNames) {
    const auto size = table.fileSize(name);
    if (size && *size == 0) {
      table.fileSystem().remove(table.pathOf(name));
      removed = true;
    }
  }
  if (removed) table.flushFolder();
}

}  // namespace vm::store
