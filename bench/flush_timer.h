// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

#include "store/forwarding_file_system.h"

namespace vm::bench {

// Passes every call on, and adds up the time spent waiting for flushes of files and folders,
// so that a benchmark can tell the work from the wait for the disk.
class FlushTimer final : public store::ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  using Clock = std::chrono::steady_clock;

  void sync(Handle h) override {
    timed([&] { ForwardingFileSystem::sync(h); });
  }
  void syncFolder(const std::string& folder) override {
    timed([&] { ForwardingFileSystem::syncFolder(folder); });
  }

  double seconds() const { return std::chrono::duration<double>(spent_).count(); }
  int flushes() const { return flushes_; }
  void reset() {
    spent_ = {};
    flushes_ = 0;
  }

 private:
  template <typename Call>
  void timed(Call&& call) {
    const auto start = Clock::now();
    call();
    spent_ += Clock::now() - start;
    ++flushes_;
  }

  Clock::duration spent_{};
  int flushes_ = 0;
};

}  // namespace vm::bench
