// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace vm::store {

// Told how far a pass has come: records reviewed so far, all records, records matched. It may
// throw WorkStopped (work_stopped.h) to stop the work.
using PassProgress = std::function<void(std::int32_t done, std::int32_t total, std::int32_t hits)>;

// Tells a pass's progress at its first record, then at most once per interval, and at its end.
class ProgressTeller {
 public:
  ProgressTeller(const PassProgress& progress, std::int32_t total,
                 std::chrono::milliseconds interval = std::chrono::milliseconds(40))
      : progress_(progress), total_(total), interval_(interval) {}

  void at(std::int32_t n, std::int32_t hits) {
    // Reading the clock for every record would cost more than the work on the record.
    if (!progress_ || (n != 1 && (n % 64 != 0 || Clock::now() - last_ < interval_))) return;
    progress_(n, total_, hits);
    last_ = Clock::now();
  }
  void end(std::int32_t hits) const {
    if (progress_) progress_(total_, total_, hits);
  }

 private:
  using Clock = std::chrono::steady_clock;
  const PassProgress& progress_;
  std::int32_t total_;
  std::chrono::milliseconds interval_;
  Clock::time_point last_{};
};

}  // namespace vm::store
