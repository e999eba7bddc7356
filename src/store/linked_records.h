// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>

#include "store/link_rule.h"
#include "store/pass_progress.h"
#include "store/record_writer.h"

namespace vm::store {

struct PassCount {
  std::int32_t reviewed = 0;  // records read
  std::int32_t matched = 0;   // of them, the linked ones
};

// Writes `patch` at `offset` into every record of the file whose 8-byte link at `linkOffset` is
// `key`, in one sequential pass in large blocks; neighbouring records are written together, a
// record that already holds the patch is not written again, and the file is flushed at the
// end. Every other byte stays as it was. `progress` is told at the first record, then at most
// once per `interval`, and at the end. When it stops the pass (WorkStopped), the records written
// so far get their bytes back, the file is flushed, and the stop goes on to the caller. Opens and
// closes the file, which must exist.
PassCount patchLinked(RecordWriter& writer, DataFile f, std::size_t linkOffset, double key,
                      std::size_t offset, std::span<const char> patch,
                      const PassProgress& progress = {},
                      std::chrono::milliseconds interval = std::chrono::milliseconds(40));

// Compacts the file without the records whose link at `linkOffset` is `key` (see compact; a stop
// leaves the file as it was). Returns the count before and the number dropped.
PassCount dropLinked(RecordWriter& writer, DataFile f, std::size_t linkOffset, double key,
                     const PassProgress& progress = {});

}  // namespace vm::store
