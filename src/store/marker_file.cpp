// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/marker_file.h"

#include <algorithm>

#include "store/store_error.h"

namespace vm::store {

void writeMarkerFile(FileTable& table, std::string_view name, const std::string& text) {
  FileSystem& fs = table.fileSystem();
  const std::string path = table.pathOf(name);
  const FileSystem::Handle h = fs.open(path, FileSystem::Mode::Replace);
  bool open = true;
  try {
    fs.write(h, 0, text);
    fs.sync(h);
    open = false;  // a close that fails has released the handle all the same
    fs.close(h);
    // Until its folder entry is on the disk the marker may still vanish; a failure here must not
    // leave behind a marker of work that the caller takes as never begun.
    table.flushFolder();
  } catch (const StoreError&) {
    // Nothing has changed yet: a marker that could not be written goes again.
    try {
      if (open) fs.close(h);
    } catch (const StoreError&) {
    }
    try {
      fs.remove(path);
    } catch (const StoreError&) {
    }
    throw;
  }
}

std::string readMarkerFile(FileSystem& fs, const std::string& path, std::uint64_t limit) {
  const FileSystem::Handle h = fs.open(path, FileSystem::Mode::Read);
  std::string text;
  try {
    text.resize(static_cast<std::size_t>(std::min(fs.size(h), limit + 1)));
    text.resize(fs.read(h, 0, text));
  } catch (const StoreError&) {
    try {
      fs.close(h);
    } catch (const StoreError&) {
    }
    throw;
  }
  fs.close(h);
  return text;
}

}  // namespace vm::store
