// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vm::store {

// Every file-system call of the store goes through this one narrow interface, so tests
// can swap in a double that fails any chosen call or cuts the power. Failures throw
// StoreError naming the file and the system's reason.
class FileSystem {
 public:
  using Handle = int;

  enum class Mode {
    ReadWrite,  // random access, created empty when missing
    Read,       // read only; the file must exist
    Replace,    // created or truncated to zero length
  };

  virtual ~FileSystem() = default;

  virtual Handle open(const std::string& path, Mode mode) = 0;
  // Reads up to buffer.size() bytes at the offset; fewer at the end of the file.
  virtual std::size_t read(Handle h, std::uint64_t offset, std::span<char> buffer) = 0;
  virtual void write(Handle h, std::uint64_t offset, std::span<const char> data) = 0;
  // Cuts the file (or extends it with zeros) to the length.
  virtual void truncate(Handle h, std::uint64_t length) = 0;
  virtual std::uint64_t size(Handle h) = 0;
  // Returns once the file's bytes are on the disk.
  virtual void sync(Handle h) = 0;
  virtual void close(Handle h) = 0;

  // Length of the file at the path, or nothing when there is no such file.
  virtual std::optional<std::uint64_t> fileSize(const std::string& path) = 0;
  // When the file at the path was last written, in seconds since 1970-01-01 00:00 UTC, or
  // nothing when there is no such file.
  virtual std::optional<std::int64_t> modifiedTime(const std::string& path) = 0;
  // Replaces `to` by `from` in one step.
  virtual void rename(const std::string& from, const std::string& to) = 0;
  virtual void remove(const std::string& path) = 0;
  // Returns once the folder's entries (files made, renamed, removed) are on the disk.
  virtual void syncFolder(const std::string& folder) = 0;
  // Names of the plain files in a folder.
  virtual std::vector<std::string> list(const std::string& folder) = 0;
  // Whether reads of one open file may come from several threads at once. Doubles that count
  // or fail calls keep the default, so that their counts stay in one order.
  virtual bool readsFromManyThreads() const noexcept { return false; }

  bool exists(const std::string& path) { return fileSize(path).has_value(); }
};

}  // namespace vm::store
