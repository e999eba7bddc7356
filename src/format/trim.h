// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vm::format {

// Removes leading and trailing blanks, as readers of fixed-width fields do.
inline std::string_view trimView(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

inline std::string trim(std::string_view s) { return std::string(trimView(s)); }

}  // namespace vm::format
