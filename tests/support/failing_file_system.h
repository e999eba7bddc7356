#pragma once

#include <cstdint>
#include <string>

#include "store/posix_file_system.h"
#include "store/store_error.h"

namespace vm::test {

// The real file system, except that the k-th call (counting from 1, every kind of call)
// fails as a full disk would. With no failure set it only counts, so a test can learn
// how many calls an operation makes and then fail each of them in turn.
class FailingFileSystem final : public store::FileSystem {
 public:
  void failAt(int call) { failAt_ = call; }
  int calls() const { return calls_; }
  void resetCount() { calls_ = 0; }

  Handle open(const std::string& path, Mode mode) override {
    tick("open", path);
    return real_.open(path, mode);
  }
  std::size_t read(Handle h, std::uint64_t offset, std::span<char> buffer) override {
    tick("read", "");
    return real_.read(h, offset, buffer);
  }
  void write(Handle h, std::uint64_t offset, std::span<const char> data) override {
    tick("write", "");
    real_.write(h, offset, data);
  }
  void append(Handle h, std::span<const char> data) override {
    tick("append", "");
    real_.append(h, data);
  }
  std::uint64_t size(Handle h) override {
    tick("size", "");
    return real_.size(h);
  }
  void truncate(Handle h, std::uint64_t length) override {
    tick("truncate", "");
    real_.truncate(h, length);
  }
  void sync(Handle h) override {
    tick("sync", "");
    real_.sync(h);
  }
  void close(Handle h) override {
    real_.close(h);  // a failed close still releases the handle, as the system's does
    tick("close", "");
  }
  std::optional<std::uint64_t> fileSize(const std::string& path) override {
    tick("examine", path);
    return real_.fileSize(path);
  }
  void rename(const std::string& from, const std::string& to) override {
    tick("rename", from);
    real_.rename(from, to);
  }
  void remove(const std::string& path) override {
    tick("delete", path);
    real_.remove(path);
  }
  std::vector<std::string> list(const std::string& folder) override {
    tick("list", folder);
    return real_.list(folder);
  }

 private:
  void tick(const char* what, const std::string& path) {
    if (++calls_ == failAt_) fail(what, path);
  }
  [[noreturn]] void fail(const char* what, const std::string& path) {
    throw store::StoreError(what, path, "No space left on device");
  }

  store::PosixFileSystem real_;
  int calls_ = 0;
  int failAt_ = 0;
};

}  // namespace vm::test
