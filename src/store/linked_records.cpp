// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/linked_records.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "store/compaction.h"
#include "store/field_codec.h"
#include "store/work_stopped.h"

namespace vm::store {
namespace {

double linkAt(std::span<const char> record, std::size_t offset) {
  return codec::getDouble(record, layout::Field{offset, 8});
}

// Writes records to a file in runs of neighbours, the way a pass that changes a few bytes of
// many records writes them back.
class RunWriter {
 public:
  RunWriter(RecordWriter& writer, DataFile f) : writer_(writer), f_(f), len_(recordLength(f)) {
    run_.reserve(len_ * kLongestRun);
  }

  // Takes record n, with `bytes` (of length `size`) written at `offset`, into the run.
  void put(std::int32_t n, std::span<const char> record, std::size_t offset, const char* bytes,
           std::size_t size) {
    const auto runLength = static_cast<std::int32_t>(run_.size() / len_);
    if (first_ + runLength != n || runLength == kLongestRun) {
      write();
      first_ = n;
    }
    run_.insert(run_.end(), record.begin(), record.end());
    std::memcpy(run_.data() + run_.size() - len_ + offset, bytes, size);
    written_ = true;
  }
  void write() {
    if (run_.empty()) return;
    writer_.overwriteBytes(f_, first_, run_);
    run_.clear();
  }
  // Records taken but not written yet are dropped: the file still holds them as they were.
  void drop() { run_.clear(); }
  void finish() {
    write();
    if (written_) writer_.flush(f_);
  }

 private:
  static constexpr std::int32_t kLongestRun = 512;
  RecordWriter& writer_;
  DataFile f_;
  std::size_t len_;
  std::vector<char> run_;
  std::int32_t first_ = 0;
  bool written_ = false;
};

// The bytes a patch replaced, to give them back when the pass is stopped: the patched records in
// order, each with the number of its old bytes among the distinct ones (a course's records almost
// always held one and the same copy).
struct PatchedBefore {
  std::vector<std::int32_t> records;
  std::vector<std::uint32_t> which;
  std::vector<std::string> distinct;

  void keep(std::int32_t n, std::string_view old) {
    auto found = std::find(distinct.rbegin(), distinct.rend(), old);
    if (found == distinct.rend()) {
      distinct.emplace_back(old);
      found = distinct.rbegin();
    }
    records.push_back(n);
    which.push_back(static_cast<std::uint32_t>(distinct.rend() - found - 1));
  }

  void giveBack(RecordWriter& writer, DataFile f, std::size_t offset) const {
    if (records.empty()) return;
    RunWriter runs(writer, f);
    std::size_t next = 0;
    writer.table().scan(f, records.front(), records.back(),
                        [&](std::int32_t n, std::span<const char> record) {
                          if (records[next] != n) return true;
                          const std::string& old = distinct[which[next++]];
                          runs.put(n, record, offset, old.data(), old.size());
                          return true;
                        });
    runs.finish();
  }
};

}  // namespace

PassCount patchLinked(RecordWriter& writer, DataFile f, std::size_t linkOffset, double key,
                      std::size_t offset, std::span<const char> patch, const PassProgress& progress,
                      std::chrono::milliseconds interval) {
  FileTable& table = writer.table();
  const OpenFile file(table, f);
  PassCount count{file.count(), 0};
  ProgressTeller tell(progress, count.reviewed, interval);
  RunWriter runs(writer, f);
  PatchedBefore before;
  try {
    table.scan(f, 1, file.count(), [&](std::int32_t n, std::span<const char> record) {
      tell.at(n, count.matched);
      if (!sameLink(linkAt(record, linkOffset), key)) return true;
      ++count.matched;
      const std::string_view old(record.data() + offset, patch.size());
      if (old == std::string_view(patch.data(), patch.size())) return true;
      if (progress) before.keep(n, old);
      runs.put(n, record, offset, patch.data(), patch.size());
      return true;
    });
    tell.end(count.matched);
    runs.finish();
  } catch (const WorkStopped&) {
    runs.drop();
    runs.finish();
    before.giveBack(writer, f, offset);
    throw;
  }
  return count;
}

PassCount dropLinked(RecordWriter& writer, DataFile f, std::size_t linkOffset, double key,
                     const PassProgress& progress) {
  const std::int32_t before = writer.table().storedCount(f);
  const std::int32_t kept = compact(
      writer, f,
      [&](std::span<const char> record) { return !sameLink(linkAt(record, linkOffset), key); },
      progress);
  return {before, before - kept};
}

}  // namespace vm::store
