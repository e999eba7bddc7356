// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <unordered_map>

#include "store/file_system.h"

namespace vm::store {

// The file system of the machine. Every failure names the file and gives the system's
// reason. A write beyond the process's file-size limit fails like a full disk instead of
// ending the program silently.
class PosixFileSystem final : public FileSystem {
 public:
  PosixFileSystem();

  Handle open(const std::string& path, Mode mode) override;
  std::size_t read(Handle h, std::uint64_t offset, std::span<char> buffer) override;
  void write(Handle h, std::uint64_t offset, std::span<const char> data) override;
  void truncate(Handle h, std::uint64_t length) override;
  std::uint64_t size(Handle h) override;
  void sync(Handle h) override;
  void close(Handle h) override;
  std::optional<std::uint64_t> fileSize(const std::string& path) override;
  std::optional<std::int64_t> modifiedTime(const std::string& path) override;
  void rename(const std::string& from, const std::string& to) override;
  void remove(const std::string& path) override;
  void syncFolder(const std::string& folder) override;
  std::vector<std::string> list(const std::string& folder) override;
  // pread: every read names its own offset.
  bool readsFromManyThreads() const noexcept override { return true; }

 private:
  [[noreturn]] void failOn(const char* operation, Handle h, int error) const;

  // The path each open handle was opened with, for the messages.
  std::unordered_map<Handle, std::string> paths_;
};

}  // namespace vm::store
