#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vm::store {

// Every file-system call of the store goes through this one narrow interface, so tests
// can swap in a double that fails any chosen call. Failures throw StoreError.
class FileSystem {
 public:
  using Handle = int;

  enum class Mode {
    ReadWrite,  // random access, created empty when missing
    Append,     // text appended at the end, created when missing
    Read,       // read only; the file must exist
    Replace,    // created or truncated to zero length
  };

  virtual ~FileSystem() = default;

  virtual Handle open(const std::string& path, Mode mode) = 0;
  // Reads up to buffer.size() bytes at the offset; fewer at the end of the file.
  virtual std::size_t read(Handle h, std::uint64_t offset, std::span<char> buffer) = 0;
  virtual void write(Handle h, std::uint64_t offset, std::span<const char> data) = 0;
  virtual void append(Handle h, std::span<const char> data) = 0;
  virtual std::uint64_t size(Handle h) = 0;
  // Cuts the file (or lengthens it with zeros) to exactly `length` bytes.
  virtual void truncate(Handle h, std::uint64_t length) = 0;
  virtual void sync(Handle h) = 0;
  virtual void close(Handle h) = 0;

  // Length of the file at the path, or nothing when there is no such file.
  virtual std::optional<std::uint64_t> fileSize(const std::string& path) = 0;
  // Replaces `to` by `from` in one step.
  virtual void rename(const std::string& from, const std::string& to) = 0;
  virtual void remove(const std::string& path) = 0;
  // Names of the plain files in a folder.
  virtual std::vector<std::string> list(const std::string& folder) = 0;

  bool exists(const std::string& path) { return fileSize(path).has_value(); }
};

}  // namespace vm::store
