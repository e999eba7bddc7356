// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "scan/training_blocks.h"
#include "scan/training_pass.h"
#include "store/record_layouts.h"

namespace vm::scan {

// Reads the blocks' records in `pass.ranges` ranges (see PassOptions; 0 takes the blocks' own
// count), each on a thread of its own when the blocks allow it, and gives back one Part per range,
// in file order, for the caller to merge. Each range gets a Part of its own made by `makePart()`;
// the Part is handed every record of its range in file order by `part.visit(record)` (false ends
// the range early) and each record kLookAhead records earlier by `part.ahead(record)`.
// Parts run side by side, so they share nothing they change but what is made for threads (the
// search's set of persons met); a pass whose parts merged in file order give what one part over
// all the records gives is the same pass, only faster.
//
// `pass.progress` is told, on the calling thread alone, how many records all ranges have read of
// the blocks' count (never more than that count, should it be an estimate that fell short), at
// the start, at most once per interval while the ranges run, and at the end. When it throws, the
// ranges stop, their threads are joined, and the throw goes on: a progress that throws
// PassStopped is how a window stops a pass. A failure in a range stops the others and is thrown
// on the calling thread (the first range's first).
template <typename Part, typename MakePart>
std::vector<Part> passInRanges(TrainingBlocks& blocks, const PassOptions& pass, MakePart&& makePart,
                               std::chrono::milliseconds interval = kProgressInterval) {
  using Clock = std::chrono::steady_clock;
  constexpr std::size_t kLength = store::layout::training::kLength;
  const std::int64_t total = std::max<std::int64_t>(blocks.count(), 0);
  const ScanProgress& progress = pass.progress;
  const int ranged = blocks.ranges();
  int ranges = pass.ranges > 0 ? pass.ranges : ranged;
  ranges = static_cast<int>(std::clamp<std::int64_t>(ranges, 1, std::max<std::int64_t>(total, 1)));

  std::vector<Part> parts;
  parts.reserve(static_cast<std::size_t>(ranges));
  for (int r = 0; r < ranges; ++r) parts.push_back(makePart());
  std::vector<std::atomic<std::int64_t>> done(static_cast<std::size_t>(ranges));
  std::atomic<bool> stop{false};

  // Scans one range; `afterBlock` is asked after each block whether to go on.
  const auto scanRange = [&](int r, auto&& afterBlock) {
    Part& part = parts[static_cast<std::size_t>(r)];
    std::atomic<std::int64_t>& read = done[static_cast<std::size_t>(r)];
    // One call a block, so that what a record costs is the Part's work alone.
    const TrainingBlockVisit visitBlock = [&](std::span<const char> block) {
      const std::size_t records = block.size() / kLength;
      for (std::size_t i = 0; i < records; ++i) {
        if (i + kLookAhead < records)
          part.ahead(block.subspan((i + kLookAhead) * kLength, kLength));
        if (!part.visit(block.subspan(i * kLength, kLength))) return false;
      }
      read.fetch_add(static_cast<std::int64_t>(records), std::memory_order_relaxed);
      return afterBlock();
    };
    blocks.scan(r, ranges, visitBlock);
  };
  const auto readSoFar = [&] {
    std::int64_t sum = 0;
    for (const auto& d : done) sum += d.load(std::memory_order_relaxed);
    return std::min(sum, total);
  };

  if (progress) progress(0, total);
  if (ranges == 1 || ranged == 1) {
    Clock::time_point told = Clock::now();
    for (int r = 0; r < ranges; ++r)
      scanRange(r, [&] {
        if (progress && Clock::now() - told >= interval) {
          progress(readSoFar(), total);
          told = Clock::now();
        }
        return true;
      });
  } else {
    std::mutex mutex;
    std::condition_variable finished;
    int running = ranges;
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(ranges));
    std::vector<std::jthread> threads;
    // Joined on every way out, a throwing progress above all, after the ranges are told to stop.
    struct Join {
      std::atomic<bool>& stop;
      std::vector<std::jthread>& threads;
      ~Join() {
        stop = true;
        threads.clear();
      }
    } join{stop, threads};
    threads.reserve(static_cast<std::size_t>(ranges));
    for (int r = 0; r < ranges; ++r)
      threads.emplace_back([&, r] {
        try {
          scanRange(r, [&] { return !stop.load(std::memory_order_relaxed); });
        } catch (...) {
          failures[static_cast<std::size_t>(r)] = std::current_exception();
          stop = true;
        }
        const std::lock_guard lock(mutex);
        --running;
        finished.notify_one();
      });
    for (std::unique_lock lock(mutex);
         !finished.wait_for(lock, interval, [&] { return running == 0; });) {
      lock.unlock();
      if (progress) progress(readSoFar(), total);
      lock.lock();
    }
    for (const std::exception_ptr& failure : failures)
      if (failure) std::rethrow_exception(failure);
  }
  // A range that ended early has nothing left to learn from the rest of it.
  if (progress) progress(total, total);
  return parts;
}

}  // namespace vm::scan
