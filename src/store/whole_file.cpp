// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/whole_file.h"

#include <span>

#include "store/file.h"
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
  File file(fs, temp, FileSystem::Mode::Replace);
  try {
    file.write(0, std::span<const char>(bytes.data(), bytes.size()));
    file.sync();
    file.close();
    fs.rename(temp, path);
  } catch (const StoreError&) {
    file.closeQuietly();
    try {
      fs.remove(temp);
    } catch (const StoreError&) {
    }
    throw;
  }
  fs.syncFolder(folderOf(path));
}

void writeNewFile(FileSystem& fs, const std::string& path,
                  const std::function<void(const PutPiece& put)>& fill) {
  File file(fs, path, FileSystem::Mode::Replace);
  std::uint64_t at = 0;
  fill([&](std::string_view piece) {
    file.write(at, std::span<const char>(piece.data(), piece.size()));
    at += piece.size();
  });
  file.sync();
  file.close();
}

}  // namespace vm::store
