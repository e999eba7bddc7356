// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/file_table.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "store/durable_append.h"

namespace vm::store {

FileTable::FileTable(FileSystem& fs, std::string folder, FolderUse use)
    : fs_(fs), folder_(folder.empty() ? std::string(".") : std::move(folder)), use_(use) {}

std::string FileTable::pathOf(std::string_view name) const {
  return folder_ + "/" + std::string(name);
}

bool FileTable::exists(std::string_view name) const { return fs_.exists(pathOf(name)); }

std::optional<std::uint64_t> FileTable::fileSize(std::string_view name) const {
  return fs_.fileSize(pathOf(name));
}

// The owner's count is the length divided by the record length, rounded to the nearest whole
// number with halves going to the even one (the default rounding); a reader's leaves out a record
// that is not all there yet.
std::int32_t FileTable::countFor(std::uint64_t bytes, DataFile f) const {
  if (use_ == FolderUse::Reader) return static_cast<std::int32_t>(bytes / recordLength(f));
  const double exact = static_cast<double>(bytes) / static_cast<double>(recordLength(f));
  return static_cast<std::int32_t>(std::nearbyint(exact));
}

std::int32_t FileTable::storedCount(DataFile f) const {
  return countFor(fileSize(fileName(f)).value_or(0), f);
}

std::int32_t FileTable::open(DataFile f) {
  close(f);
  File file(fs_, pathOf(fileName(f)), FileSystem::Mode::ReadWrite);
  std::uint64_t bytes = file.size();
  Slot& s = slot(f);
  if (use_ == FolderUse::Reader && bytes <= kLongestSnapshot) {
    s.snapshot = snapshotOf(file);
    bytes = s.snapshot->size();
  }
  s.file = std::move(file);
  s.count = countFor(bytes, f);
  return s.count;
}

std::string FileTable::snapshotOf(const File& file) {
  // The holder may change the file while it is read: two whole reads that agree, with the size
  // the same after them, are the file as it stood between two of the holder's writes, so a list
  // never joins a count from before an addition with an edit made after it.
  std::string first, again;
  const auto readWhole = [&](std::string& into) {
    into.resize(file.size());
    into.resize(file.read(0, into));
  };
  readWhole(first);
  for (int tries = 0; tries < kMaxRereads; ++tries) {
    readWhole(again);
    if (again == first && file.size() == again.size()) break;
    first.swap(again);
  }
  return again;
}

void FileTable::close(DataFile f) {
  slot(f).file.close();
  slot(f).snapshot.reset();
}

void FileTable::closeAll() {
  for (DataFile f : kRecordFiles) close(f);
}

const File& FileTable::fileOf(DataFile f) const {
  const Slot& s = slot(f);
  if (!s.file.isOpen()) throw StoreError("Cannot use", pathOf(fileName(f)), "the file is not open");
  return s.file;
}

void FileTable::readBytes(DataFile f, std::int32_t n, std::span<char> out) const {
  readBlock(f, n, 1, out);
}

void FileTable::readBlock(DataFile f, std::int32_t first, std::int32_t n,
                          std::span<char> out) const {
  const std::size_t len = recordLength(f);
  const std::size_t want = len * static_cast<std::size_t>(n);
  const std::uint64_t offset = static_cast<std::uint64_t>(first - 1) * len;
  const File& file = fileOf(f);
  if (const std::optional<std::string>& copy = slot(f).snapshot) {
    const std::size_t got =
        offset < copy->size() ? std::min<std::size_t>(want, copy->size() - offset) : 0;
    std::memcpy(out.data(), copy->data() + offset, got);
    std::memset(out.data() + got, 0, want - got);
    return;
  }
  std::size_t got = file.read(offset, out.first(want));
  if (use_ == FolderUse::Reader) {
    // The holder may be rewriting a record in place at this moment: the block is read until two
    // reads agree, so that each record is seen as it was or as it became, never half of each.
    std::vector<char> again(want);
    for (int tries = 0; tries < kMaxRereads; ++tries) {
      const std::size_t gotAgain = file.read(offset, again);
      if (gotAgain == got &&
          std::equal(again.begin(), again.begin() + static_cast<long>(got), out.begin()))
        break;
      std::copy_n(again.begin(), gotAgain, out.begin());
      got = gotAgain;
    }
  }
  std::memset(out.data() + got, 0, want - got);
}

void FileTable::checkLimit(DataFile f, std::int64_t last) const {
  if (last > maxRecords(f))
    throw RecordLimitError(std::string(fileName(f)) + " cannot hold more than " +
                           std::to_string(maxRecords(f)) + " records");
}

void FileTable::writeBytes(DataFile f, std::int32_t n, std::span<const char> in) {
  checkLimit(f, n);
  const File& file = fileOf(f);
  if (n < 1 || n > slot(f).count)
    throw StoreError("Cannot write record " + std::to_string(n) + " of", pathOf(fileName(f)),
                     "there is no such record");
  const std::size_t len = recordLength(f);
  const std::uint64_t offset = static_cast<std::uint64_t>(n - 1) * len;
  std::vector<char> old(len);
  readBytes(f, n, old);
  try {
    file.write(offset, in.first(len));
    file.sync();
  } catch (const StoreError&) {
    try {
      file.write(offset, old);
      file.sync();
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
  appendWhole(fs_, fileOf(f), static_cast<std::uint64_t>(s.count) * len,
              records.first(static_cast<std::size_t>(added) * len), folder_);
  s.count += added;
}

void FileTable::overwriteBytes(DataFile f, std::int32_t first, std::span<const char> records) {
  const std::size_t len = recordLength(f);
  const auto n = static_cast<std::int32_t>(records.size() / len);
  checkLimit(f, static_cast<std::int64_t>(first) + n - 1);
  fileOf(f).write(static_cast<std::uint64_t>(first - 1) * len,
                  records.first(static_cast<std::size_t>(n) * len));
  Slot& s = slot(f);
  s.count = std::max(s.count, first + n - 1);
}

void FileTable::flush(DataFile f) { fileOf(f).sync(); }

void FileTable::flushFolder() { fs_.syncFolder(folder_); }

}  // namespace vm::store
