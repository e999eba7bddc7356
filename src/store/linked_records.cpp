// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/linked_records.h"

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
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

// The bytes a patch replaced, to give them back when the pass is stopped: which records were
// written, one bit each, and for each of them in order which of the distinct old copies it held
// (a course's records almost always held one and the same copy): little more than two bytes a
// record written, whatever they held.
class PatchedBefore {
 public:
  explicit PatchedBefore(std::int32_t count) : written_(static_cast<std::size_t>(count) + 1) {}

  // Whether the old bytes are kept; not beyond 65,536 distinct copies, which no course's records
  // hold, and then the pass can no longer be stopped.
  bool keep(std::int32_t n, std::string_view old) {
    if (distinct_.empty() || distinct_[lastDistinct_] != old) {
      const auto [found, added] = numbers_.try_emplace(std::string(old), distinct_.size());
      if (added) {
        if (distinct_.size() > 0xFFFF) return false;
        distinct_.emplace_back(old);
      }
      lastDistinct_ = found->second;
    }
    written_[static_cast<std::size_t>(n)] = true;
    which_.push_back(static_cast<std::uint16_t>(lastDistinct_));
    firstWritten_ = firstWritten_ == 0 ? n : firstWritten_;
    lastWritten_ = n;
    return true;
  }

  void giveBack(RecordWriter& writer, DataFile f, std::size_t offset) const {
    if (firstWritten_ == 0) return;
    RunWriter records(writer, f);
    std::size_t next = 0;
    writer.table().scan(f, firstWritten_, lastWritten_,
                        [&](std::int32_t n, std::span<const char> record) {
                          if (!written_[static_cast<std::size_t>(n)]) return true;
                          const std::string& old = distinct_[which_[next++]];
                          records.put(n, record, offset, old.data(), old.size());
                          return true;
                        });
    records.finish();
  }

 private:
  std::vector<bool> written_;  // by record number
  std::vector<std::uint16_t> which_;
  std::vector<std::string> distinct_;
  std::unordered_map<std::string, std::size_t> numbers_;  // of the distinct copies
  std::size_t lastDistinct_ = 0;
  std::int32_t firstWritten_ = 0;
  std::int32_t lastWritten_ = 0;
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
  // The old bytes are kept only for a progress that may stop the pass.
  std::optional<PatchedBefore> before;
  if (progress) before.emplace(count.reviewed);
  // Without them a stop comes too late: the pass goes on to its end.
  const auto unlessTooLate = [&](const auto& tellIt) {
    try {
      tellIt();
    } catch (const WorkStopped&) {
      if (before) throw;
    }
  };
  try {
    table.scan(f, 1, file.count(), [&](std::int32_t n, std::span<const char> record) {
      unlessTooLate([&] { tell.at(n, count.matched); });
      if (!sameLink(linkAt(record, linkOffset), key)) return true;
      ++count.matched;
      const std::string_view old(record.data() + offset, patch.size());
      if (old == std::string_view(patch.data(), patch.size())) return true;
      if (before && !before->keep(n, old)) before.reset();
      runs.put(n, record, offset, patch.data(), patch.size());
      return true;
    });
    unlessTooLate([&] { tell.end(count.matched); });
    runs.finish();
  } catch (const WorkStopped&) {
    runs.drop();
    runs.finish();
    before->giveBack(writer, f, offset);  // a stop reaches here only while they are kept
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
