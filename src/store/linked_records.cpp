// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/linked_records.h"

#include <cstring>
#include <vector>

#include "store/compaction.h"
#include "store/field_codec.h"

namespace vm::store {
namespace {

using Clock = std::chrono::steady_clock;

double linkAt(std::span<const char> record, std::size_t offset) {
  return codec::getDouble(record, layout::Field{offset, 8});
}

}  // namespace

PassCount patchLinked(RecordWriter& writer, DataFile f, std::size_t linkOffset, double key,
                      std::size_t offset, std::span<const char> patch, const PassProgress& progress,
                      std::chrono::milliseconds interval) {
  constexpr std::int32_t kLongestRun = 512;
  FileTable& table = writer.table();
  const std::size_t len = recordLength(f);
  const OpenFile file(table, f);
  PassCount count{file.count(), 0};

  std::vector<char> run;
  run.reserve(len * kLongestRun);
  std::int32_t runFirst = 0;
  const auto writeRun = [&] {
    if (run.empty()) return;
    writer.overwriteBytes(f, runFirst, run);
    run.clear();
  };
  bool written = false;
  Clock::time_point lastTold{};
  table.scan(f, 1, file.count(), [&](std::int32_t n, std::span<const char> record) {
    // Reading the clock for every record would cost more than the comparison itself.
    if (progress && (n == 1 || (n % 64 == 0 && Clock::now() - lastTold >= interval))) {
      progress(n, count.reviewed, count.matched);
      lastTold = Clock::now();
    }
    if (!sameLink(linkAt(record, linkOffset), key)) return true;
    ++count.matched;
    if (std::memcmp(record.data() + offset, patch.data(), patch.size()) == 0) return true;
    const auto runLength = static_cast<std::int32_t>(run.size() / len);
    if (runFirst + runLength != n || runLength == kLongestRun) {
      writeRun();
      runFirst = n;
    }
    run.insert(run.end(), record.begin(), record.end());
    std::memcpy(run.data() + run.size() - len + offset, patch.data(), patch.size());
    written = true;
    return true;
  });
  writeRun();
  if (written) writer.flush(f);
  if (progress) progress(count.reviewed, count.reviewed, count.matched);
  return count;
}

PassCount dropLinked(RecordWriter& writer, DataFile f, std::size_t linkOffset, double key) {
  const std::int32_t before = writer.table().storedCount(f);
  const std::int32_t kept = compact(writer, f, [&](std::span<const char> record) {
    return !sameLink(linkAt(record, linkOffset), key);
  });
  return {before, before - kept};
}

}  // namespace vm::store
