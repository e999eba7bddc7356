// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>

#include "store/work_stopped.h"

namespace vm::scan {

// Told how far a pass has come: records read so far and records in the file.
using ScanProgress = std::function<void(std::int64_t done, std::int64_t total)>;

inline constexpr std::chrono::milliseconds kProgressInterval{40};

// Thrown by a pass's progress to stop the pass; the pass then gives back nothing.
using PassStopped = store::WorkStopped;

// How a pass over the training file runs: who is told its progress, and in how many ranges it
// reads the file (0: as many as the machine and the file's size call for).
struct PassOptions {
  PassOptions() = default;
  // A progress alone converts, so that a caller that only shows progress passes just that.
  template <std::convertible_to<ScanProgress> Tell>
  PassOptions(Tell&& progress, int ranges = 0)
      : progress(std::forward<Tell>(progress)), ranges(ranges) {}
  ScanProgress progress;
  int ranges = 0;
};

// How many records ahead a pass announces the record it will come to, so that what that record
// will look up is on its way into the cache by then.
inline constexpr std::size_t kLookAhead = 12;

}  // namespace vm::scan
