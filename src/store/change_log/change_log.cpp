// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/change_log/change_log.h"

#include <algorithm>

#include "store/durable_append.h"

namespace vm::store {

std::uint64_t changeLogEnd(const FileTable& table) {
  return table.fileSize(kChangeLogName).value_or(0);
}

void appendChangeLines(FileTable& table, std::uint64_t at, std::string_view lines) {
  if (lines.empty()) return;
  FileSystem& fs = table.fileSystem();
  const FileSystem::Handle h = fs.open(table.pathOf(kChangeLogName), FileSystem::Mode::ReadWrite);
  try {
    const std::uint64_t length = fs.size(h);
    if (length > at) {
      fs.truncate(h, at);
      fs.sync(h);
    }
    appendWhole(fs, h, std::min(length, at), lines, table.folder());
  } catch (const StoreError&) {
    try {
      fs.close(h);
    } catch (const StoreError&) {
    }
    throw;
  }
  fs.close(h);
}

}  // namespace vm::store
