// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/range_pass.h"

namespace vm::scan {

int rangesFor(const store::FileTable& files, std::int64_t records) {
  if (records < kRecordsWorthThreads || !files.fileSystem().readsFromManyThreads()) return 1;
  return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1U, 16U));
}

}  // namespace vm::scan
