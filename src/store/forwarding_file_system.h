// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/file_system.h"

namespace vm::store {

// Hands every call on to another file system. A test double derives from it and overrides
// only the calls it changes.
class ForwardingFileSystem : public FileSystem {
 public:
  explicit ForwardingFileSystem(FileSystem& inner) : inner_(inner) {}

  Handle open(const std::string& path, Mode mode) override { return inner_.open(path, mode); }
  std::size_t read(Handle h, std::uint64_t offset, std::span<char> buffer) override {
    return inner_.read(h, offset, buffer);
  }
  void write(Handle h, std::uint64_t offset, std::span<const char> data) override {
    inner_.write(h, offset, data);
  }
  void truncate(Handle h, std::uint64_t length) override { inner_.truncate(h, length); }
  std::uint64_t size(Handle h) override { return inner_.size(h); }
  void sync(Handle h) override { inner_.sync(h); }
  void close(Handle h) override { inner_.close(h); }
  std::optional<std::uint64_t> fileSize(const std::string& path) override {
    return inner_.fileSize(path);
  }
  std::optional<std::int64_t> modifiedTime(const std::string& path) override {
    return inner_.modifiedTime(path);
  }
  void rename(const std::string& from, const std::string& to) override { inner_.rename(from, to); }
  void remove(const std::string& path) override { inner_.remove(path); }
  void syncFolder(const std::string& folder) override { inner_.syncFolder(folder); }
  std::vector<std::string> list(const std::string& folder) override { return inner_.list(folder); }

  FileSystem& inner() const { return inner_; }

 private:
  FileSystem& inner_;
};

}  // namespace vm::store
