#include "store/compaction.h"

#include <vector>

#include "format/trim.h"
#include "store/field_codec.h"
#include "store/record_layouts.h"

namespace vm::store {
namespace {

layout::Field tombstoneField(DataFile f) {
  switch (f) {
    case DataFile::Users:
      return layout::user::FirstName;
    case DataFile::Names:
      return layout::name::FirstName;
    case DataFile::Courses:
      return layout::course::CourseCode;
    case DataFile::Training:
      return layout::training::CourseCode;
  }
  return {};
}

// Copies the records that `keep` accepts (all live ones without it) into a fresh
// "TempFile.$$$" in blocks, and flushes and closes it. Returns the number copied.
std::int32_t copyKept(FileTable& table, DataFile f, std::int32_t count, const KeepRecord& keep) {
  FileSystem& fs = table.fileSystem();
  const FileSystem::Handle temp = table.openTemp();
  std::int32_t kept = 0;
  std::vector<char> pending;
  pending.reserve(recordLength(f) * 512);
  std::uint64_t written = 0;
  auto flush = [&] {
    fs.write(temp, written, pending);
    written += pending.size();
    pending.clear();
  };
  table.scan(f, 1, count, [&](std::int32_t, std::span<const char> record) {
    const bool keepIt = keep ? keep(record) : !isTombstoned(f, record);
    if (keepIt) {
      ++kept;
      pending.insert(pending.end(), record.begin(), record.end());
      if (pending.size() >= pending.capacity()) flush();
    }
    return true;
  });
  if (!pending.empty()) flush();
  fs.sync(temp);
  table.closeTemp();
  return kept;
}

// After a failed copy the temporary file goes, so that a full disk gets its space back. A
// failure here changes nothing; the next start removes what is left.
void discardTemp(FileTable& table) {
  try {
    table.closeTemp();
    table.fileSystem().remove(table.pathOf(kTempFileName));
  } catch (const StoreError&) {
  }
}

}  // namespace

bool isTombstoned(DataFile f, std::span<const char> record) {
  return format::trimView(codec::rawText(record, tombstoneField(f))) == kTombstone;
}

std::int32_t compact(FileTable& table, DataFile f, const KeepRecord& keep) {
  FileSystem& fs = table.fileSystem();
  const std::string dataPath = table.pathOf(fileName(f));
  const std::string tempPath = table.pathOf(kTempFileName);

  const std::int32_t count = table.open(f);
  if (fs.exists(tempPath)) fs.remove(tempPath);
  std::int32_t kept = 0;
  try {
    kept = copyKept(table, f, count, keep);
  } catch (const StoreError&) {
    discardTemp(table);
    throw;
  }
  table.close(f);

  if (kept == 0) {
    fs.remove(dataPath);
    fs.remove(tempPath);
  } else {
    fs.rename(tempPath, dataPath);
  }
  table.flushFolder();
  return kept;
}

}  // namespace vm::store
