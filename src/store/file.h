// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "store/file_system.h"

namespace vm::store {

// One open file of the FileSystem, owned: it is closed when it goes out of scope, so that no way
// out of the store, a failure above all, leaves a file open. Closing on the way out never throws
// and never hides the failure that is already on its way; `close` closes now and reports.
class File {
 public:
  File() = default;
  // Opens the file; a failure throws StoreError and leaves nothing open.
  File(FileSystem& fs, const std::string& path, FileSystem::Mode mode);
  ~File() { closeQuietly(); }
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  bool isOpen() const { return handle_.has_value(); }

  // The calls of the FileSystem on this file (see file_system.h).
  std::size_t read(std::uint64_t offset, std::span<char> buffer) const;
  void write(std::uint64_t offset, std::span<const char> data) const;
  void truncate(std::uint64_t length) const;
  std::uint64_t size() const;
  void sync() const;

  // Closes the file and reports a failure; the file counts as closed either way.
  void close();
  // Closes the file without reporting, for the way out of a failure.
  void closeQuietly() noexcept;

 private:
  FileSystem::Handle handle() const;

  FileSystem* fs_ = nullptr;
  std::optional<FileSystem::Handle> handle_;
};

}  // namespace vm::store
