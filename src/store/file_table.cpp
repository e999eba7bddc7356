// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/file_table.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "store/durable_append.h"

namespace vm::store {

FileTable::FileTable(FileSystem& fs, std::string folder)
    : fs_(fs), folder_(folder.empty() ? std::string(".") : std::move(folder)) {}

FileTable::~FileTable() {
  try {
    closeAll();
  } catch (const StoreError&) {
    // Nothing more can be done for a file that fails to close at the end.
  }
}

std::string FileTable::pathOf(std::string_view name) const {
  return folder_ + "/" + std::string(name);
}

bool FileTable::exists(std::string_view name) const { return fs_.exists(pathOf(name)); }

std::optional<std::uint64_t> FileTable::fileSize(std::string_view name) const {
  return fs_.fileSize(pathOf(name));
}

namespace {

// The length divided by the record length, rounded to the nearest whole number with halves
// going to the even one (the default rounding).
std::int32_t countFor(std::uint64_t bytes, DataFile f) {
  const double exact = static_cast<double>(bytes) / static_cast<double>(recordLength(f));
  return static_cast<std::int32_t>(std::nearbyint(exact));
}

}  // namespace

std::int32_t FileTable::storedCount(DataFile f) const {
  return countFor(fileSize(fileName(f)).value_or(0), f);
}

std::int32_t FileTable::open(DataFile f) {
  close(f);
  Slot& s = slot(f);
  const FileSystem::Handle h = fs_.open(pathOf(fileName(f)), FileSystem::Mode::ReadWrite);
  s.handle = h;
  std::uint64_t bytes = 0;
  try {
    bytes = fs_.size(h);
  } catch (...) {
    close(f);
    throw;
  }
  s.count = countFor(bytes, f);
  return s.count;
}

void FileTable::close(DataFile f) {
  Slot& s = slot(f);
  if (!s.handle) return;
  const FileSystem::Handle h = *s.handle;
  s.handle.reset();
  fs_.close(h);
}

void FileTable::closeAll() {
  for (DataFile f : kRecordFiles) close(f);
  closeTemp();
}

FileSystem::Handle FileTable::handleOf(DataFile f) const {
  const Slot& s = slot(f);
  if (!s.handle) throw StoreError("Cannot use", pathOf(fileName(f)), "the file is not open");
  return *s.handle;
}

void FileTable::readBytes(DataFile f, std::int32_t n, std::span<char> out) const {
  readBlock(f, n, 1, out);
}

void FileTable::readBlock(DataFile f, std::int32_t first, std::int32_t n,
                          std::span<char> out) const {
  const std::size_t len = recordLength(f);
  const std::size_t want = len * static_cast<std::size_t>(n);
  const std::size_t got =
      fs_.read(handleOf(f), static_cast<std::uint64_t>(first - 1) * len, out.first(want));
  std::memset(out.data() + got, 0, want - got);
}

void FileTable::checkLimit(DataFile f, std::int64_t last) const {
  if (last > maxRecords(f))
    throw RecordLimitError(std::string(fileName(f)) + " cannot hold more than " +
                           std::to_string(maxRecords(f)) + " records");
}

void FileTable::writeBytes(DataFile f, std::int32_t n, std::span<const char> in) {
  checkLimit(f, n);
  Slot& s = slot(f);
  const FileSystem::Handle h = handleOf(f);
  const std::size_t len = recordLength(f);
  const std::uint64_t offset = static_cast<std::uint64_t>(n - 1) * len;
  if (n > s.count) {
    appendWhole(fs_, h, offset, in.first(len), folder_);
    s.count = n;
    return;
  }
  std::vector<char> old(len);
  readBytes(f, n, old);
  try {
    fs_.write(h, offset, in.first(len));
    fs_.sync(h);
  } catch (const StoreError&) {
    try {
      fs_.write(h, offset, old);
      fs_.sync(h);
    } catch (const StoreError&) {
      // The first failure is the one to report.
    }
    throw;
  }
}

void FileTable::appendBytes(DataFile f, std::span<const char> records) {
  const std::size_t len = recordLength(f);
  const auto added = static_cast<std::int32_t>(records.size() / len);
  Slot& s = slot(f);
  checkLimit(f, static_cast<std::int64_t>(s.count) + added);
  appendWhole(fs_, handleOf(f), static_cast<std::uint64_t>(s.count) * len,
              records.first(static_cast<std::size_t>(added) * len), folder_);
  s.count += added;
}

void FileTable::overwriteBytes(DataFile f, std::int32_t first, std::span<const char> records) {
  const std::size_t len = recordLength(f);
  const auto n = static_cast<std::int32_t>(records.size() / len);
  checkLimit(f, static_cast<std::int64_t>(first) + n - 1);
  fs_.write(handleOf(f), static_cast<std::uint64_t>(first - 1) * len,
            records.first(static_cast<std::size_t>(n) * len));
  Slot& s = slot(f);
  s.count = std::max(s.count, first + n - 1);
}

void FileTable::flush(DataFile f) { fs_.sync(handleOf(f)); }

void FileTable::flushFolder() { fs_.syncFolder(folder_); }

FileSystem::Handle FileTable::openTemp() {
  closeTemp();
  temp_ = fs_.open(pathOf(kTempFileName), FileSystem::Mode::Replace);
  return *temp_;
}

void FileTable::closeTemp() {
  if (!temp_) return;
  const FileSystem::Handle h = *temp_;
  temp_.reset();
  fs_.close(h);
}

}  // namespace vm::store
