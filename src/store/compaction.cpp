// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/compaction.h"

#include <optional>
#include <vector>

#include "format/trim.h"
#include "store/field_codec.h"
#include "store/record_layouts.h"

namespace vm::store {
namespace {

// The renewal periods have no text field and so no tombstone: a period goes with its course or
// when it is cleared, by a rewrite without it.
std::optional<layout::Field> tombstoneField(DataFile f) {
  switch (f) {
    case DataFile::Users:
      return layout::user::FirstName;
    case DataFile::Names:
      return layout::name::FirstName;
    case DataFile::Courses:
      return layout::course::CourseCode;
    case DataFile::Training:
      return layout::training::CourseCode;
    case DataFile::Renewals:
      return std::nullopt;
  }
  return std::nullopt;
}

// Copies the records that `keep` accepts (all live ones without it) into a fresh
// "TempFile.$$$" in blocks, and flushes and closes it. Returns the number copied.
std::int32_t copyKept(FileTable& table, DataFile f, std::int32_t count, const KeepRecord& keep,
                      const PassProgress& progress) {
  ProgressTeller tell(progress, count);
  File temp(table.fileSystem(), table.pathOf(kTempFileName), FileSystem::Mode::Replace);
  std::int32_t kept = 0;
  std::vector<char> pending;
  pending.reserve(recordLength(f) * 512);
  std::uint64_t written = 0;
  auto flush = [&] {
    temp.write(written, pending);
    written += pending.size();
    pending.clear();
  };
  table.scan(f, 1, count, [&](std::int32_t n, std::span<const char> record) {
    tell.at(n, n - 1 - kept);
    const bool keepIt = keep ? keep(record) : !isTombstoned(f, record);
    if (keepIt) {
      ++kept;
      pending.insert(pending.end(), record.begin(), record.end());
      if (pending.size() >= pending.capacity()) flush();
    }
    return true;
  });
  if (!pending.empty()) flush();
  temp.sync();
  temp.close();
  tell.end(count - kept);
  return kept;
}

// After a failed copy the temporary file goes, so that a full disk gets its space back. A
// failure here changes nothing; the next start removes what is left.
void discardTemp(FileTable& table) {
  try {
    table.fileSystem().remove(table.pathOf(kTempFileName));
  } catch (const StoreError&) {
  }
}

// Puts the flushed temporary file in the data file's place in one step, or, when it holds no
// record, removes the data file and then it; the folder is flushed last.
void installTemp(FileTable& table, DataFile f, bool empty) {
  FileSystem& fs = table.fileSystem();
  const std::string dataPath = table.pathOf(fileName(f));
  const std::string tempPath = table.pathOf(kTempFileName);
  if (empty) {
    fs.remove(dataPath);
    fs.remove(tempPath);
  } else {
    fs.rename(tempPath, dataPath);
  }
  table.flushFolder();
}

}  // namespace

bool isTombstoned(DataFile f, std::span<const char> record) {
  const std::optional<layout::Field> field = tombstoneField(f);
  return field && format::trimView(codec::rawText(record, *field)) == kTombstone;
}

std::int32_t compact(RecordWriter& writer, DataFile f, const KeepRecord& keep,
                     const PassProgress& progress) {
  FileTable& table = writer.table();
  FileSystem& fs = table.fileSystem();
  const std::string tempPath = table.pathOf(kTempFileName);

  const std::int32_t count = table.open(f);
  if (fs.exists(tempPath)) fs.remove(tempPath);
  std::int32_t kept = 0;
  try {
    kept = copyKept(table, f, count, keep, progress);
  } catch (...) {
    discardTemp(table);
    throw;
  }
  table.close(f);
  installTemp(table, f, kept == 0);
  return kept;
}

void replaceRecords(RecordWriter& writer, DataFile f, std::span<const char> records) {
  FileTable& table = writer.table();
  FileSystem& fs = table.fileSystem();
  const std::string tempPath = table.pathOf(kTempFileName);
  table.close(f);
  if (fs.exists(tempPath)) fs.remove(tempPath);
  if (!records.empty()) {
    try {
      File temp(fs, tempPath, FileSystem::Mode::Replace);
      temp.write(0, records);
      temp.sync();
      temp.close();
    } catch (const StoreError&) {
      discardTemp(table);
      throw;
    }
  }
  installTemp(table, f, records.empty());
}

}  // namespace vm::store
