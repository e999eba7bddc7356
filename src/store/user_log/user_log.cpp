// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/user_log/user_log.h"

#include <vector>

#include "format/cp1252.h"
#include "store/durable_append.h"

namespace vm::store {

void appendUserLogLine(const FileTable& table, std::string_view utf8Line) {
  const std::string bytes = format::utf8ToCp1252(utf8Line) + "\r\n";
  FileSystem& fs = table.fileSystem();
  File log(fs, table.pathOf(kUserLogName), FileSystem::Mode::ReadWrite);
  appendWhole(fs, log, log.size(), bytes, table.folder());
  log.close();
}

std::string readUserLogText(const FileTable& table) {
  File log(table.fileSystem(), table.pathOf(kUserLogName), FileSystem::Mode::Read);
  std::vector<char> bytes(log.size());
  bytes.resize(log.read(0, bytes));
  log.close();
  return format::cp1252ToUtf8(std::string_view(bytes.data(), bytes.size()));
}

}  // namespace vm::store
