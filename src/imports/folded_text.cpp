// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/folded_text.h"

#include <cctype>

namespace vm::imports {
namespace {

// The letter without its accent, for U+00C0 to U+00FF; "" where there is none to take off.
std::string_view plainLatin1(char32_t c) {
  static constexpr std::string_view kPlain[64] = {
      "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
      "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
      "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
      "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};
  return kPlain[c - 0xC0];
}

std::string_view plain(char32_t c) {
  if (c >= 0xC0 && c <= 0xFF) return plainLatin1(c);
  switch (c) {
    case 0x152:
    case 0x153:
      return "oe";
    case 0x160:
    case 0x161:
      return "s";
    case 0x17D:
    case 0x17E:
      return "z";
    case 0x178:
      return "y";
    default:
      return {};
  }
}

}  // namespace

std::string folded(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  bool blank = false;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : 4;
    if (b < 0x80) {
      if (b == ' ' || b == '\t' || b == '\r' || b == '\n') {
        blank = !out.empty();
      } else {
        if (blank) out += ' ';
        blank = false;
        out += static_cast<char>(std::tolower(b));
      }
      ++i;
      continue;
    }
    char32_t c = len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (std::size_t k = 1; k < len && i + k < s.size(); ++k)
      c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    if (blank) out += ' ';
    blank = false;
    const std::string_view p = plain(c);
    if (!p.empty()) {
      out += p;
    } else {
      out.append(s.substr(i, len));
    }
    i += len;
  }
  return out;
}

}  // namespace vm::imports
