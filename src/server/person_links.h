// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>
#include <vector>

namespace vm::server {

// The links of these stamps as the server's verdimark_link makes them (a double through its 15
// significant digits and back), each once and in order, the stamps that link to nothing left out.
// Made here, so that a query takes them as a constant whose size the planner knows, and the
// server need not convert thousands of stamps before it plans.
inline std::vector<double> personLinks(std::span<const double> stamps) {
  std::vector<double> links;
  links.reserve(stamps.size());
  for (const double stamp : stamps) {
    if (std::isnan(stamp)) continue;
    if (std::isinf(stamp)) {
      links.push_back(stamp);
      continue;
    }
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, stamp, std::chars_format::general, 15);
    double link = 0;
    std::from_chars(text, written.ptr, link);
    links.push_back(link == 0 ? 0.0 : link);
  }
  std::sort(links.begin(), links.end());
  links.erase(std::unique(links.begin(), links.end()), links.end());
  return links;
}

}  // namespace vm::server
