#include "store/file_table.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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
  const double exact = static_cast<double>(bytes) / static_cast<double>(recordLength(f));
  s.count = static_cast<std::int32_t>(std::nearbyint(exact));  // default rounding: halves to even
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

void FileTable::writeBytes(DataFile f, std::int32_t n, std::span<const char> in) {
  Slot& s = slot(f);
  if (n > maxRecords(f))
    throw RecordLimitError(std::string(fileName(f)) + " cannot hold more than " +
                           std::to_string(maxRecords(f)) + " records");
  const std::size_t len = recordLength(f);
  fs_.write(handleOf(f), static_cast<std::uint64_t>(n - 1) * len, in.first(len));
  s.count = std::max(s.count, n);
}

void FileTable::appendRecords(DataFile f, std::span<const char> records) {
  Slot& s = slot(f);
  const std::size_t len = recordLength(f);
  const auto added = static_cast<std::int64_t>(records.size() / len);
  if (s.count + added > maxRecords(f))
    throw RecordLimitError(std::string(fileName(f)) + " cannot hold more than " +
                           std::to_string(maxRecords(f)) + " records");
  const FileSystem::Handle h = handleOf(f);
  const std::uint64_t oldLength = fs_.size(h);
  try {
    fs_.write(h, static_cast<std::uint64_t>(s.count) * len, records.first(added * len));
  } catch (const StoreError& failure) {
    fs_.truncate(h, oldLength);
    throw AppendUndone(failure);
  }
  s.count += static_cast<std::int32_t>(added);
}

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
