#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>

#include "store/file_table.h"

namespace vm::search {

// Told how far a pass has come: records read so far and records in the file.
using ScanProgress = std::function<void(std::int64_t done, std::int64_t total)>;

inline constexpr std::chrono::milliseconds kProgressInterval{40};

// Hands every record of Training.Records to `visit`, in file order, in one sequential pass in
// large blocks; the pass ends early when `visit` returns false. `progress` is told at the start,
// then at most once per interval, and when it is done. Opens and closes the file.
template <typename Visit>
void passOverTraining(store::FileTable& files, const ScanProgress& progress, Visit&& visit,
                      std::chrono::milliseconds interval = kProgressInterval) {
  using Clock = std::chrono::steady_clock;
  constexpr auto kTraining = store::DataFile::Training;
  const store::OpenFile file(files, kTraining);
  const std::int64_t total = file.count();
  if (progress) progress(0, total);
  Clock::time_point told = Clock::now();
  files.scan(kTraining, 1, file.count(), [&](std::int32_t n, std::span<const char> record) {
    // The clock is read once in a few hundred records: reading it costs more than a record.
    if (progress && n % 256 == 0 && Clock::now() - told >= interval) {
      progress(n, total);
      told = Clock::now();
    }
    return visit(record);
  });
  // A pass that ended early has nothing left to learn from the rest of the file.
  if (progress) progress(total, total);
}

}  // namespace vm::search
