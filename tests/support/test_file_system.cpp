// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_file_system.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "store/store_error.h"

namespace vm::test {
namespace {

constexpr const char* kDiskFull = "No space left on device";

std::string bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void putBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool inFolder(const std::string& path, const std::string& folder) {
  return std::filesystem::path(path).parent_path() == std::filesystem::path(folder);
}

}  // namespace

void TestFileSystem::failCall(int k) {
  fault_ = Fault::Fail;
  faultAt_ = calls_ + k;
}

void TestFileSystem::cutWrite(int k, std::size_t bytes) {
  fault_ = Fault::Cut;
  faultAt_ = writes_ + k;
  cutBytes_ = bytes;
}

void TestFileSystem::powerCutAt(int k) {
  if (!tracking_) trackFlushes();
  fault_ = Fault::Power;
  faultAt_ = calls_ + k;
}

void TestFileSystem::clearFaults() {
  fault_ = Fault::None;
  reached_ = false;
  powerOff_ = false;
}

bool TestFileSystem::tick(const char* what, const std::string& path, Call call) {
  const bool isWrite = call == Call::Write;
  if (powerOff_) throw PowerCut();
  ++calls_;
  if (isWrite) ++writes_;
  switch (fault_) {
    case Fault::None:
      return false;
    case Fault::Fail:
      if (calls_ != faultAt_) return false;
      reached_ = true;
      throw store::StoreError(what, path, kDiskFull);
    case Fault::Cut:
      if (!isWrite || writes_ != faultAt_) return false;
      reached_ = true;
      return true;
    case Fault::Power:
      if (calls_ != faultAt_) return false;
      reached_ = true;
      powerCut();
      // Closes run in destructors, which must not throw: the next call finds the power off.
      if (call == Call::Close) return false;
      throw PowerCut();
  }
  return false;
}

TestFileSystem::Handle TestFileSystem::real(Handle h) const {
  const auto it = handles_.find(h);
  if (it == handles_.end()) throw std::logic_error("a handle that is not open");
  return it->second.real;
}

std::string TestFileSystem::pathOf(Handle h) const {
  const auto it = handles_.find(h);
  return it == handles_.end() ? std::string() : it->second.path;
}

void TestFileSystem::trackFlushes() {
  if (!handles_.empty())
    throw std::logic_error("flushes are tracked from a moment with no file open");
  tracking_ = true;
  names_.clear();
  flushedNames_.clear();
  flushedBytes_.clear();
  known_.clear();
}

void TestFileSystem::know(const std::string& path) {
  if (!tracking_ || !known_.insert(path).second) return;
  if (!std::filesystem::is_regular_file(path)) return;
  const Inode inode = nextInode_++;
  names_[path] = inode;
  flushedNames_[path] = inode;
  flushedBytes_[inode] = std::nullopt;
}

void TestFileSystem::keepFlushed(Inode inode) {
  if (!tracking_) return;
  auto& flushed = flushedBytes_[inode];
  if (flushed) return;
  for (const auto& [path, named] : names_) {
    if (named != inode) continue;
    flushed = bytesOf(path);
    return;
  }
  flushed = std::string();
}

void TestFileSystem::powerCut() {
  if (!tracking_) throw std::logic_error("a power cut needs trackFlushes() first");
  std::map<std::string, std::string> flushed;
  // A file that the power cut leaves as it was keeps its modification time, as on a disk.
  std::map<std::string, std::filesystem::file_time_type> times;
  for (const auto& [path, inode] : flushedNames_) {
    keepFlushed(inode);
    flushed[path] = *flushedBytes_[inode];
    if (std::filesystem::is_regular_file(path) && bytesOf(path) == flushed[path])
      times[path] = std::filesystem::last_write_time(path);
  }
  for (const auto& [h, open] : handles_) {
    try {
      posix_.close(open.real);
    } catch (const store::StoreError&) {
      // The power is gone; the handle with it.
    }
  }
  handles_.clear();
  for (const auto& [path, inode] : names_) std::filesystem::remove(path);
  for (const auto& [path, bytes] : flushed) putBytes(path, bytes);
  for (const auto& [path, time] : times) std::filesystem::last_write_time(path, time);
  trackFlushes();
  powerOff_ = true;
}

TestFileSystem::Handle TestFileSystem::open(const std::string& path, Mode mode) {
  tick("Cannot open", path);
  know(path);
  const bool existed = names_.count(path) != 0;
  if (existed && mode == Mode::Replace) keepFlushed(names_[path]);
  const Handle fd = posix_.open(path, mode);
  Inode inode = 0;
  if (tracking_) {
    if (!existed) {
      inode = nextInode_++;
      names_[path] = inode;
      flushedBytes_[inode] = std::string();  // made, never flushed
    } else {
      inode = names_[path];
    }
  }
  const Handle h = nextHandle_++;
  handles_[h] = Open{fd, path, inode};
  return h;
}

std::size_t TestFileSystem::read(Handle h, std::uint64_t offset, std::span<char> buffer) {
  tick("Cannot read", pathOf(h));
  return posix_.read(real(h), offset, buffer);
}

void TestFileSystem::write(Handle h, std::uint64_t offset, std::span<const char> data) {
  const bool cut = tick("Cannot write", pathOf(h), Call::Write);
  keepFlushed(handles_.at(h).inode);
  if (cut) {
    posix_.write(real(h), offset, data.first(std::min(cutBytes_, data.size())));
    throw store::StoreError("Cannot write", pathOf(h), kDiskFull);
  }
  posix_.write(real(h), offset, data);
}

void TestFileSystem::truncate(Handle h, std::uint64_t length) {
  tick("Cannot cut back", pathOf(h));
  keepFlushed(handles_.at(h).inode);
  posix_.truncate(real(h), length);
}

std::uint64_t TestFileSystem::size(Handle h) {
  tick("Cannot read the length of", pathOf(h));
  return posix_.size(real(h));
}

void TestFileSystem::sync(Handle h) {
  tick("Cannot flush", pathOf(h));
  const Inode inode = handles_.at(h).inode;
  if (tracking_) flushedBytes_[inode] = std::nullopt;
}

void TestFileSystem::close(Handle h) {
  if (powerOff_) return;  // its handle went with the power
  const auto it = handles_.find(h);
  if (it == handles_.end()) return;  // a handle from before a power cut
  const Open open = it->second;
  handles_.erase(it);
  posix_.close(open.real);  // a failed close still releases the handle, as the system's does
  tick("Cannot close", open.path, Call::Close);
}

std::optional<std::uint64_t> TestFileSystem::fileSize(const std::string& path) {
  tick("Cannot examine", path);
  return posix_.fileSize(path);
}

std::optional<std::int64_t> TestFileSystem::modifiedTime(const std::string& path) {
  tick("Cannot examine", path);
  return posix_.modifiedTime(path);
}

void TestFileSystem::rename(const std::string& from, const std::string& to) {
  tick("Cannot rename", from);
  know(from);
  know(to);
  if (names_.count(to) != 0) keepFlushed(names_[to]);
  posix_.rename(from, to);
  if (tracking_ && names_.count(from) != 0) {
    names_[to] = names_[from];
    names_.erase(from);
  }
}

void TestFileSystem::remove(const std::string& path) {
  tick("Cannot delete", path);
  know(path);
  if (names_.count(path) != 0) keepFlushed(names_[path]);
  posix_.remove(path);
  names_.erase(path);
}

void TestFileSystem::syncFolder(const std::string& folder) {
  tick("Cannot flush the folder", folder);
  if (!tracking_) return;
  std::erase_if(flushedNames_, [&](const auto& entry) { return inFolder(entry.first, folder); });
  for (const auto& [path, inode] : names_)
    if (inFolder(path, folder)) flushedNames_[path] = inode;
}

std::vector<std::string> TestFileSystem::list(const std::string& folder) {
  tick("Cannot list", folder);
  return posix_.list(folder);
}

}  // namespace vm::test
