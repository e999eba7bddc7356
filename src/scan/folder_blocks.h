// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "scan/training_blocks.h"
#include "store/file_table.h"

namespace vm::scan {

// Below this many records a file is read on the calling thread alone: starting threads would
// cost more than they save.
inline constexpr std::int64_t kRecordsWorthThreads = 65536;

// How many ranges a pass over `records` records splits the file into on this machine: one per
// processor core, one for a small file or a file system that reads on one thread only.
int rangesFor(const store::FileTable& files, std::int64_t records);

// The first record (1-based) of range `range` of `ranges` over `records` records; range
// `ranges` starts one past the last record.
inline std::int32_t rangeStart(std::int64_t records, int range, int ranges) {
  return static_cast<std::int32_t>(1 + records * range / ranges);
}

// Every record of the data folder's Training.Records, for one pass: the file is open while the
// blocks live. A missing file holds no records and is not made.
class FolderBlocks final : public TrainingBlocks {
 public:
  explicit FolderBlocks(store::FileTable& files);

  std::int64_t count() const override { return count_; }
  int ranges() const override { return rangesFor(files_, count_); }
  void scan(int range, int ranges, const TrainingBlockVisit& visit) override;

  // The record number of the first record that range `range` of `ranges` hands over; the rest
  // follow it one by one, none left out.
  std::int32_t firstOf(int range, int ranges) const { return rangeStart(count_, range, ranges); }

 private:
  store::FileTable& files_;
  std::optional<store::OpenFile> file_;
  std::int32_t count_ = 0;
};

// The folder's blocks where a pass takes any store's.
inline std::unique_ptr<FolderBlocks> folderBlocks(store::FileTable& files) {
  return std::make_unique<FolderBlocks>(files);
}

}  // namespace vm::scan
