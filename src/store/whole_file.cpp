// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/whole_file.h"

#include <optional>
#include <span>

#include "store/store_error.h"

namespace vm::store {
namespace {

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  if (slash == std::string::npos) return ".";
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

// A name beside the path that no file has, so that no other file is ever overwritten.
std::string freshNameBeside(FileSystem& fs, const std::string& path) {
  std::string name = path + ".part";
  for (int n = 2; fs.exists(name); ++n) name = path + "." + std::to_string(n) + ".part";
  return name;
}

}  // namespace

void writeWholeFile(FileSystem& fs, const std::string& path, std::string_view bytes) {
  const std::string temp = freshNameBeside(fs, path);
  std::optional<FileSystem::Handle> handle = fs.open(temp, FileSystem::Mode::Replace);
  try {
    fs.write(*handle, 0, std::span<const char>(bytes.data(), bytes.size()));
    fs.sync(*handle);
    const FileSystem::Handle h = *handle;
    handle.reset();
    fs.close(h);
    fs.rename(temp, path);
  } catch (const StoreError&) {
    try {
      if (handle) fs.close(*handle);
    } catch (const StoreError&) {
      // The first failure is the one to report.
    }
    try {
      fs.remove(temp);
    } catch (const StoreError&) {
    }
    throw;
  }
  fs.syncFolder(folderOf(path));
}

}  // namespace vm::store
