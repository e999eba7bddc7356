// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/numeric_helpers.h"

#include <random>
#include <utility>

namespace vm::print {

std::int16_t RandomInRange(std::int16_t low, std::int16_t high) {
  static std::mt19937 generator{std::random_device{}()};
  if (high < low) std::swap(low, high);
  std::uniform_int_distribution<int> pick(low, high);
  return static_cast<std::int16_t>(pick(generator));
}

}  // namespace vm::print
