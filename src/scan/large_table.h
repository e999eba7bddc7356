// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <new>
#include <vector>

namespace vm::scan {

// Memory for the large tables a pass updates all over as it reads (a cell for every person and
// course): from 2 MB on, it is asked of the system in huge pages where the system gives them, so
// that making the table costs a handful of page faults rather than one per 4 KB, and every
// update finds its page in the processor's cache of page addresses.
void* allocateLarge(std::size_t bytes);
void releaseLarge(void* memory, std::size_t bytes) noexcept;

template <typename T>
struct LargeTableAllocator {
  using value_type = T;
  LargeTableAllocator() = default;
  template <typename U>
  LargeTableAllocator(const LargeTableAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) { return static_cast<T*>(allocateLarge(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) noexcept { releaseLarge(p, n * sizeof(T)); }

  template <typename U>
  bool operator==(const LargeTableAllocator<U>&) const noexcept {
    return true;
  }
};

template <typename T>
using LargeTable = std::vector<T, LargeTableAllocator<T>>;

}  // namespace vm::scan
