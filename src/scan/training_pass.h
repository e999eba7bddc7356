// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>

#include "store/file_table.h"

namespace vm::scan {

// Told how far a pass has come: records read so far and records in the file.
using ScanProgress = std::function<void(std::int64_t done, std::int64_t total)>;

inline constexpr std::chrono::milliseconds kProgressInterval{40};

// How many records ahead a pass announces the record it will come to, so that what that record
// will look up is on its way into the cache by then.
inline constexpr std::size_t kLookAhead = 12;

// Hands every record of Training.Records to `visit`, in file order, in one sequential pass in
// large blocks, and each record kLookAhead records earlier to `ahead`; the pass ends early when
// `visit` returns false. `progress` is told at the start, then at most once per interval, and
// when the pass is done. Opens and closes the file.
template <typename Ahead, typename Visit>
void passOverTraining(store::FileTable& files, const ScanProgress& progress, Ahead&& ahead,
                      Visit&& visit, std::chrono::milliseconds interval = kProgressInterval) {
  using Clock = std::chrono::steady_clock;
  constexpr auto kTraining = store::DataFile::Training;
  constexpr std::size_t kLength = store::recordLength(kTraining);
  const store::OpenFile file(files, kTraining);
  const std::int64_t total = file.count();
  if (progress) progress(0, total);
  Clock::time_point told = Clock::now();
  files.scanBlocks(kTraining, 1, file.count(), [&](std::int32_t n, std::span<const char> block) {
    const std::size_t records = block.size() / kLength;
    for (std::size_t i = 0; i < records; ++i) {
      if (i + kLookAhead < records) ahead(block.subspan((i + kLookAhead) * kLength, kLength));
      if (!visit(block.subspan(i * kLength, kLength))) return false;
    }
    if (progress && Clock::now() - told >= interval) {
      progress(n + static_cast<std::int64_t>(records) - 1, total);
      told = Clock::now();
    }
    return true;
  });
  // A pass that ended early has nothing left to learn from the rest of the file.
  if (progress) progress(total, total);
}

}  // namespace vm::scan
