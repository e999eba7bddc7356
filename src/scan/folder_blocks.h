// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Placeholder until the scans' branch lands.
#include <stdexcept>

#include "scan/training_blocks.h"
#include "store/file_table.h"

namespace vm::scan {
class FolderBlocks final : public TrainingBlocks {
 public:
  explicit FolderBlocks(store::FileTable&) {}
  std::int64_t count() const override { return 0; }
  int ranges() const override { return 1; }
  void scan(int, int, const TrainingBlockVisit&) override { throw std::logic_error("not yet"); }
};
}  // namespace vm::scan
