// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <type_traits>

namespace vm::print {

// Adds the step to the value in place.
template <typename T, typename Step>
constexpr void IncrementValue(T& value, Step step) {
  value += step;
}

// a when a >= b, otherwise b.
template <typename A, typename B>
constexpr std::common_type_t<A, B> MaxOf(A a, B b) {
  return a >= b ? a : b;
}

// a when a <= b, otherwise b.
template <typename A, typename B>
constexpr std::common_type_t<A, B> MinOf(A a, B b) {
  return a <= b ? a : b;
}

// A whole number from low to high inclusive, evenly spread (the bounds may come in either
// order). One generator, seeded once from the system's entropy source, serves the whole run,
// so calls in quick succession do not repeat each other.
std::int16_t RandomInRange(std::int16_t low, std::int16_t high);

}  // namespace vm::print
