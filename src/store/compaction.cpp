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

}  // namespace

bool isTombstoned(DataFile f, std::span<const char> record) {
  return format::trimView(codec::rawText(record, tombstoneField(f))) == kTombstone;
}

std::int32_t compact(FileTable& table, DataFile f, const KeepRecord& keep) {
  FileSystem& fs = table.fileSystem();
  const std::string dataPath = table.pathOf(fileName(f));
  const std::string tempPath = table.pathOf(kTempFileName);
  const std::size_t len = recordLength(f);

  const std::int32_t count = table.open(f);
  if (fs.exists(tempPath)) fs.remove(tempPath);
  const FileSystem::Handle temp = table.openTemp();

  std::int32_t kept = 0;
  std::vector<char> pending;
  pending.reserve(len * 512);
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
