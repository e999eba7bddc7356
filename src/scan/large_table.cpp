// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/large_table.h"

#include <sys/mman.h>

#include <cstdlib>

namespace vm::scan {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

bool large(std::size_t bytes) { return bytes >= kHugePage; }
std::size_t roundedUp(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

}  // namespace

void* allocateLarge(std::size_t bytes) {
  if (!large(bytes)) return ::operator new(bytes);
  void* memory = std::aligned_alloc(kHugePage, roundedUp(bytes));
  if (!memory) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
  // Only advice: where the system has no huge pages, the table is made of ordinary ones.
  ::madvise(memory, roundedUp(bytes), MADV_HUGEPAGE);
#endif
  return memory;
}

void releaseLarge(void* memory, std::size_t bytes) noexcept {
  if (large(bytes))
    std::free(memory);
  else
    ::operator delete(memory);
}

}  // namespace vm::scan
