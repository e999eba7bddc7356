#pragma once

#include "store/file_system.h"

namespace vm::store {

class PosixFileSystem final : public FileSystem {
 public:
  Handle open(const std::string& path, Mode mode) override;
  std::size_t read(Handle h, std::uint64_t offset, std::span<char> buffer) override;
  void write(Handle h, std::uint64_t offset, std::span<const char> data) override;
  void append(Handle h, std::span<const char> data) override;
  std::uint64_t size(Handle h) override;
  void truncate(Handle h, std::uint64_t length) override;
  void sync(Handle h) override;
  void close(Handle h) override;
  std::optional<std::uint64_t> fileSize(const std::string& path) override;
  void rename(const std::string& from, const std::string& to) override;
  void remove(const std::string& path) override;
  std::vector<std::string> list(const std::string& folder) override;
};

}  // namespace vm::store
