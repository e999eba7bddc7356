// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/record_store.h"

namespace vm::store {

// GCC 12 at -O3 takes the moves of a growing vector of steps for reads of the alternatives a step
// does not hold, and warns of uninitialised bytes that are never read.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
std::vector<WorkStep> removalSteps(std::vector<WorkStep> goingWith, DataFile file, std::int32_t n) {
  goingWith.push_back(RemoveRecord{file, n});
  return goingWith;
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

}  // namespace vm::store
