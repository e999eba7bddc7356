// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

#include "format/number_key.h"

namespace vm::store {

// Records link to a user, person or course through a copy of its DateCreated. Two stamps link
// when their general number texts (15 significant digits) are the same, as the files have always
// compared them; a stamp that is no number links to nothing, not even to itself. Every reader and
// writer of links decides by these two, so a search never finds a record that the history does
// not show or that a deletion leaves behind.

// The key under which a stamp links: equal keys link. Nothing for a stamp that links to nothing.
inline std::optional<std::uint64_t> linkKey(double stamp) {
  if (std::isnan(stamp)) return std::nullopt;
  return format::numberKey(stamp);
}

inline bool sameLink(double a, double b) {
  if (a == b) return true;
  // Texts of 15 significant digits can only agree when the numbers are this close; the test keeps
  // the key out of most comparisons of a long pass.
  if (!(std::fabs(a - b) <= 1e-13 * std::fabs(a))) return false;
  const std::optional<std::uint64_t> key = linkKey(a);
  return key && key == linkKey(b);
}

}  // namespace vm::store
