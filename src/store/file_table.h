// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/data_files.h"
#include "store/file.h"
#include "store/file_system.h"
#include "store/record_codec.h"
#include "store/store_error.h"

namespace vm::store {

// Whether this copy owns the data folder or reads it while another copy may be writing it.
enum class FolderUse { Owner, Reader };

// The process-wide slots and record counts of the record files. Files are opened
// for one user action and closed again; a missing file is created empty when opened.
class FileTable {
 public:
  FileTable(FileSystem& fs, std::string folder, FolderUse use = FolderUse::Owner);
  FileTable(const FileTable&) = delete;
  FileTable& operator=(const FileTable&) = delete;

  // Opens the file (closing it first when it is open) and returns its record count:
  // the length divided by the record length, rounded to the nearest whole number
  // with halves going to the even one. A reader counts whole records only, so that a record
  // another copy is appending is not listed before it is all there.
  std::int32_t open(DataFile f);
  void close(DataFile f);
  // Closes without reporting a failure, for the way out of one.
  void closeQuietly(DataFile f) noexcept { slot(f).file.closeQuietly(); }
  void closeAll();

  bool isOpen(DataFile f) const { return slot(f).file.isOpen(); }
  // The count found at the last open, kept up to date by appends.
  std::int32_t count(DataFile f) const { return slot(f).count; }
  // Whether one more record fits the file's count (32,767 for all but training records).
  bool canAppend(DataFile f) const { return count(f) < maxRecords(f); }

  // The count the file would open with, without opening (or making) it: 0 when it is missing.
  std::int32_t storedCount(DataFile f) const;

  bool exists(DataFile f) const { return exists(fileName(f)); }
  bool exists(std::string_view name) const;
  std::optional<std::uint64_t> fileSize(std::string_view name) const;
  std::string pathOf(std::string_view name) const;
  const std::string& folder() const { return folder_; }
  FileSystem& fileSystem() const { return fs_; }
  FolderUse use() const { return use_; }

  // Record n (1-based) of an open file. Bytes beyond the end of the file read as zero.
  void readBytes(DataFile f, std::int32_t n, std::span<char> out) const;
  // Flushes the data folder's entries after files were made, renamed or removed.
  void flushFolder();

  template <typename Record>
  Record read(std::int32_t n) const {
    std::vector<char> bytes(recordLength(RecordTraits<Record>::file));
    readBytes(RecordTraits<Record>::file, n, bytes);
    return RecordTraits<Record>::decode(bytes);
  }

  // Reads records first..last of an open file in large blocks, handing each to `visit`
  // with its number; stops early when `visit` returns false.
  template <typename Visit>
  void scan(DataFile f, std::int32_t first, std::int32_t last, Visit&& visit) const {
    const std::size_t len = recordLength(f);
    scanBlocks(f, first, last, [&](std::int32_t n, std::span<const char> block) {
      for (std::size_t at = 0; at < block.size(); at += len, ++n)
        if (!visit(n, block.subspan(at, len))) return false;
      return true;
    });
  }

  // The same pass a block at a time: `visit` gets the number of the block's first record and
  // the block's bytes (whole records), so that it can look ahead within the block.
  template <typename Visit>
  void scanBlocks(DataFile f, std::int32_t first, std::int32_t last, Visit&& visit) const {
    const std::size_t len = recordLength(f);
    if (last < first) return;
    const std::int32_t perBlock = std::min(recordsPerBlock(len), last - first + 1);
    // Blocks start on whole pages of the file and of memory, which the system copies fastest.
    std::vector<char> room(len * static_cast<std::size_t>(perBlock) + kPage);
    const std::span<char> block(
        room.data() + (kPage - reinterpret_cast<std::uintptr_t>(room.data()) % kPage) % kPage,
        room.size() - kPage);
    for (std::int32_t n = first; n <= last;) {
      const std::int32_t take = std::min<std::int32_t>(perBlock, last - n + 1);
      readBlock(f, n, take, block);
      if (!visit(n, std::span<const char>(block.data(), len * static_cast<std::size_t>(take))))
        return;
      n += take;
    }
  }

 private:
  // The writers: only journalled work writes a record file, through the RecordWriter that its
  // step runner makes (record_writer.h).
  friend class RecordWriter;

  // Rewrites record n (1 to the count) of an open file in place and flushes it before returning;
  // its old bytes are put back when the write fails. A record beyond the count is refused:
  // additions go through appendBytes.
  void writeBytes(DataFile f, std::int32_t n, std::span<const char> in);
  // Appends whole records after the last one, all or none: one write, flushed, and on any
  // failure the file is cut back to its old length before the failure goes on.
  void appendBytes(DataFile f, std::span<const char> records);
  // For passes that rewrite many records in place and flush once at the end (`flush`):
  // records first, first + 1, ... in one write, not flushed.
  void overwriteBytes(DataFile f, std::int32_t first, std::span<const char> records);
  void flush(DataFile f);

  template <typename Record>
  void write(std::int32_t n, const Record& r) {
    std::vector<char> bytes(recordLength(RecordTraits<Record>::file));
    RecordTraits<Record>::encode(r, bytes);
    writeBytes(RecordTraits<Record>::file, n, bytes);
  }

  // Appends the records after the last one, all or none (see appendBytes).
  template <typename Record>
  void append(const std::vector<Record>& records) {
    const std::size_t len = recordLength(RecordTraits<Record>::file);
    std::vector<char> bytes(len * records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
      RecordTraits<Record>::encode(records[i], std::span<char>(bytes).subspan(i * len, len));
    appendBytes(RecordTraits<Record>::file, bytes);
  }

  static constexpr std::size_t kPage = 4096;
  // A reader gives up waiting for a quiet moment after this many reads of a block.
  static constexpr int kMaxRereads = 16;
  // A reader takes a file up to this size whole when it opens it (a full Name.List fits), so
  // that what it lists is the file as it stood at one moment, its count and records together.
  static constexpr std::uint64_t kLongestSnapshot = 40 * 1024 * 1024;
  // Records in a block of a scan: a whole number of pages, some 300 KB, which stays in the
  // processor's cache while it is looked at.
  static constexpr std::int32_t recordsPerBlock(std::size_t len) {
    const std::size_t pages = std::lcm(len, kPage);
    return static_cast<std::int32_t>(pages / len * std::max<std::size_t>(1, 300 * 1024 / pages));
  }

  struct Slot {
    File file;
    std::int32_t count = 0;
    std::optional<std::string> snapshot;  // a reader's copy of a small file, taken at open
  };

  const Slot& slot(DataFile f) const { return slots_[static_cast<std::size_t>(f)]; }
  Slot& slot(DataFile f) { return slots_[static_cast<std::size_t>(f)]; }
  const File& fileOf(DataFile f) const;
  // Refuses a write that would take the file past the records its count can hold.
  void checkLimit(DataFile f, std::int64_t last) const;
  void readBlock(DataFile f, std::int32_t first, std::int32_t n, std::span<char> out) const;

  std::int32_t countFor(std::uint64_t bytes, DataFile f) const;
  static std::string snapshotOf(const File& file);

  FileSystem& fs_;
  std::string folder_;
  FolderUse use_;
  std::array<Slot, kRecordFiles.size()> slots_;
};

// Opens a file for the length of a scope, so that it is closed again on every way out.
class OpenFile {
 public:
  OpenFile(FileTable& table, DataFile f) : table_(table), file_(f), count_(table.open(f)) {}
  ~OpenFile() { table_.closeQuietly(file_); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  std::int32_t count() const { return count_; }

 private:
  FileTable& table_;
  DataFile file_;
  std::int32_t count_;
};

}  // namespace vm::store
