// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace vm::store {

// Entry n (counting from 1) names access level n of a user.
inline constexpr std::array<std::string_view, 4> kAccessLevelNames = {
    "Read Only", "Read/Edit", "Read/Edit/Add", "Read/Edit/Add/Delete"};

// The name of a level, or an empty text for a level outside 1 to 4 (which another
// program may have written into a user record).
constexpr std::string_view accessLevelName(int level) {
  return level >= 1 && level <= 4 ? kAccessLevelNames[static_cast<std::size_t>(level - 1)]
                                  : std::string_view();
}

}  // namespace vm::store
