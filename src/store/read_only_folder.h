// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>
#include <string>

#include "store/forwarding_file_system.h"

namespace vm::store {

// The file system of a copy that only reads a data folder another copy holds: every call that
// would change a file in that folder (a write, a cut, a flush, a rename or removal, a file opened
// for writing) throws a StoreError before it reaches the disk, so that no command this copy runs,
// however it was reached, can change the folder. A data file opened for reading and writing is
// opened for reading only, and one that is missing reads as empty without being made. Files
// elsewhere (a backup's folder, an exported list) are written as usual.
class ReadOnlyFolder final : public ForwardingFileSystem {
 public:
  ReadOnlyFolder(FileSystem& inner, const std::string& folder);

  Handle open(const std::string& path, Mode mode) override;
  std::size_t read(Handle h, std::uint64_t offset, std::span<char> buffer) override;
  void write(Handle h, std::uint64_t offset, std::span<const char> data) override;
  void truncate(Handle h, std::uint64_t length) override;
  std::uint64_t size(Handle h) override;
  void sync(Handle h) override;
  void close(Handle h) override;
  void rename(const std::string& from, const std::string& to) override;
  void remove(const std::string& path) override;
  void syncFolder(const std::string& folder) override;

  // Whether the path names the data folder or a file in it.
  bool inFolder(const std::string& path) const;

 private:
  [[noreturn]] void refuse(const char* operation, const std::string& path) const;
  void refuseIfHeld(const char* operation, Handle h) const;

  std::string folder_;  // canonical
  // Handles of files in the folder, opened for reading; a missing file's handle is one of ours,
  // below zero, and reads as empty.
  std::set<Handle> held_;
  std::set<Handle> empty_;
  Handle nextEmpty_ = -2;
};

}  // namespace vm::store
