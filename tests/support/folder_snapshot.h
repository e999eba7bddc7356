// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>

namespace vm::test {

// Every file of a folder with its bytes and the time it was last written: two snapshots are
// equal only when nothing in the folder was made, removed, renamed or written.
using FolderSnapshot =
    std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>>;

inline FolderSnapshot snapshotOf(const std::filesystem::path& folder) {
  FolderSnapshot out;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    out[entry.path().filename().string()] = {
        {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()},
        entry.last_write_time()};
  }
  return out;
}

}  // namespace vm::test
