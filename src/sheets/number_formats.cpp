// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/number_formats.h"

#include <cctype>
#include <string>

namespace vm::sheets {

bool isDateFormat(std::size_t id, std::string_view code) {
  if ((id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
      (id >= 50 && id <= 58))
    return true;
  std::string lower;
  for (char c : code) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower.find("general") != std::string::npos) return false;
  for (std::size_t i = 0; i < lower.size(); ++i) {
    const char c = lower[i];
    if (c == '"') {
      i = lower.find('"', i + 1);
      if (i == std::string::npos) return false;
    } else if (c == '\\' || c == '_' || c == '*') {
      ++i;  // the next character is shown as it is (or is padding)
    } else if (c == '[') {
      const std::size_t end = lower.find(']', i);
      if (end == std::string::npos) return false;
      // [h], [mm] and [ss] are elapsed times; other brackets hold colours and locales.
      const std::string_view inside = std::string_view(lower).substr(i + 1, end - i - 1);
      if (!inside.empty() && inside.find_first_not_of(inside[0]) == std::string_view::npos &&
          (inside[0] == 'h' || inside[0] == 'm' || inside[0] == 's'))
        return true;
      i = end;
    } else if (c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 's') {
      return true;
    }
  }
  return false;
}

}  // namespace vm::sheets
