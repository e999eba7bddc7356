// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/file.h"

#include <utility>

#include "store/store_error.h"

namespace vm::store {

File::File(FileSystem& fs, const std::string& path, FileSystem::Mode mode)
    : fs_(&fs), handle_(fs.open(path, mode)) {}

File::File(File&& other) noexcept
    : fs_(other.fs_), handle_(std::exchange(other.handle_, std::nullopt)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    closeQuietly();
    fs_ = other.fs_;
    handle_ = std::exchange(other.handle_, std::nullopt);
  }
  return *this;
}

FileSystem::Handle File::handle() const {
  if (!handle_) throw StoreError("Cannot use", "a file", "the file is not open");
  return *handle_;
}

std::size_t File::read(std::uint64_t offset, std::span<char> buffer) const {
  return fs_->read(handle(), offset, buffer);
}

void File::write(std::uint64_t offset, std::span<const char> data) const {
  fs_->write(handle(), offset, data);
}

void File::truncate(std::uint64_t length) const { fs_->truncate(handle(), length); }

std::uint64_t File::size() const { return fs_->size(handle()); }

void File::sync() const { fs_->sync(handle()); }

void File::close() {
  if (!handle_) return;
  // A close that fails has released the handle all the same: it is never closed twice.
  const FileSystem::Handle h = *std::exchange(handle_, std::nullopt);
  fs_->close(h);
}

void File::closeQuietly() noexcept {
  try {
    close();
  } catch (...) {
    // The failure that is already on its way is the one to report.
  }
}

}  // namespace vm::store
