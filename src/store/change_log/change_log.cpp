// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/change_log/change_log.h"

#include <algorithm>

#include "store/durable_append.h"
#include "store/file.h"

namespace vm::store {

std::uint64_t changeLogEnd(const FileTable& table) {
  return table.fileSize(kChangeLogName).value_or(0);
}

void appendChangeLines(FileTable& table, std::uint64_t at, std::string_view lines) {
  if (lines.empty()) return;
  FileSystem& fs = table.fileSystem();
  File log(fs, table.pathOf(kChangeLogName), FileSystem::Mode::ReadWrite);
  const std::uint64_t length = log.size();
  if (length > at) {
    log.truncate(at);
    log.sync();
  }
  appendWhole(fs, log, std::min(length, at), lines, table.folder());
  log.close();
}

void appendOwedLine(FileTable& table, std::uint64_t at, std::string_view line) {
  const std::uint64_t length = changeLogEnd(table);
  if (length > at && length - at <= line.size()) {
    std::string tail(static_cast<std::size_t>(length - at), '\0');
    File log(table.fileSystem(), table.pathOf(kChangeLogName), FileSystem::Mode::Read);
    tail.resize(log.read(at, tail));
    log.close();
    if (tail == line) return;
    if (line.starts_with(tail)) {
      appendChangeLines(table, at, line);
      return;
    }
  }
  appendChangeLines(table, length, line);
}

}  // namespace vm::store
