// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/read_only_folder.h"

#include <filesystem>

#include "store/store_error.h"

namespace vm::store {
namespace {

std::string canonical(const std::filesystem::path& p) {
  std::error_code ignored;
  return std::filesystem::weakly_canonical(std::filesystem::absolute(p), ignored).string();
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(FileSystem& inner, const std::string& folder)
    : ForwardingFileSystem(inner), folder_(canonical(folder)) {}

bool ReadOnlyFolder::inFolder(const std::string& path) const {
  const std::filesystem::path p = canonical(path);
  return p.string() == folder_ || p.parent_path().string() == folder_;
}

void ReadOnlyFolder::refuse(const char* operation, const std::string& path) const {
  throw StoreError(operation, path,
                   "the data folder is open read-only while another copy of Verdimark uses it");
}

void ReadOnlyFolder::refuseIfHeld(const char* operation, Handle h) const {
  if (held_.contains(h) || empty_.contains(h)) refuse(operation, folder_);
}

FileSystem::Handle ReadOnlyFolder::open(const std::string& path, Mode mode) {
  if (!inFolder(path)) return inner().open(path, mode);
  if (mode == Mode::Replace) refuse("Cannot write", path);
  if (mode == Mode::ReadWrite && !inner().exists(path)) {
    const Handle h = nextEmpty_--;
    empty_.insert(h);
    return h;
  }
  const Handle h = inner().open(path, Mode::Read);
  held_.insert(h);
  return h;
}

std::size_t ReadOnlyFolder::read(Handle h, std::uint64_t offset, std::span<char> buffer) {
  if (empty_.contains(h)) return 0;
  return inner().read(h, offset, buffer);
}

void ReadOnlyFolder::write(Handle h, std::uint64_t offset, std::span<const char> data) {
  refuseIfHeld("Cannot write", h);
  inner().write(h, offset, data);
}

void ReadOnlyFolder::truncate(Handle h, std::uint64_t length) {
  refuseIfHeld("Cannot cut", h);
  inner().truncate(h, length);
}

std::uint64_t ReadOnlyFolder::size(Handle h) {
  if (empty_.contains(h)) return 0;
  return inner().size(h);
}

void ReadOnlyFolder::sync(Handle h) {
  refuseIfHeld("Cannot flush", h);
  inner().sync(h);
}

void ReadOnlyFolder::close(Handle h) {
  if (empty_.erase(h) > 0) return;
  held_.erase(h);
  inner().close(h);
}

void ReadOnlyFolder::rename(const std::string& from, const std::string& to) {
  if (inFolder(from)) refuse("Cannot rename", from);
  if (inFolder(to)) refuse("Cannot rename", to);
  inner().rename(from, to);
}

void ReadOnlyFolder::remove(const std::string& path) {
  if (inFolder(path)) refuse("Cannot remove", path);
  inner().remove(path);
}

void ReadOnlyFolder::syncFolder(const std::string& folder) {
  if (inFolder(folder)) refuse("Cannot flush", folder);
  inner().syncFolder(folder);
}

}  // namespace vm::store
