// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/marker_file.h"

#include <algorithm>

#include "store/store_error.h"

namespace vm::store {

void writeMarkerFile(FileTable& table, std::string_view name, const std::string& text) {
  FileSystem& fs = table.fileSystem();
  const std::string path = table.pathOf(name);
  File file(fs, path, FileSystem::Mode::Replace);
  try {
    file.write(0, text);
    file.sync();
    file.close();
    // Until its folder entry is on the disk the marker may still vanish; a failure here must not
    // leave behind a marker of work that the caller takes as never begun.
    table.flushFolder();
  } catch (const StoreError&) {
    // Nothing has changed yet: a marker that could not be written goes again.
    file.closeQuietly();
    try {
      fs.remove(path);
    } catch (const StoreError&) {
    }
    throw;
  }
}

std::string readMarkerFile(FileSystem& fs, const std::string& path, std::uint64_t limit) {
  File file(fs, path, FileSystem::Mode::Read);
  std::string text(static_cast<std::size_t>(std::min(file.size(), limit + 1)), '\0');
  text.resize(file.read(0, text));
  file.close();
  return text;
}

}  // namespace vm::store
