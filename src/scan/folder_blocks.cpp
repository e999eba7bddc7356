// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/folder_blocks.h"

#include <algorithm>
#include <thread>

namespace vm::scan {

constexpr auto kTraining = store::DataFile::Training;

int rangesFor(const store::FileTable& files, std::int64_t records) {
  if (records < kRecordsWorthThreads || !files.fileSystem().readsFromManyThreads()) return 1;
  return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1U, 16U));
}

FolderBlocks::FolderBlocks(store::FileTable& files) : files_(files) {
  if (!files.exists(kTraining)) return;
  count_ = file_.emplace(files, kTraining).count();
}

void FolderBlocks::scan(int range, int ranges, const TrainingBlockVisit& visit) {
  files_.scanBlocks(kTraining, firstOf(range, ranges), firstOf(range + 1, ranges) - 1,
                    [&](std::int32_t, std::span<const char> block) { return visit(block); });
}

}  // namespace vm::scan
