// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/text_case.h"

namespace vm::format {
namespace {

// The small letter of a two-byte UTF-8 capital that Windows-1252 holds, or 0.
char32_t smallOf(char32_t c) {
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  switch (c) {
    case 0x160:
      return 0x161;  // Š
    case 0x152:
      return 0x153;  // Œ
    case 0x17D:
      return 0x17E;  // Ž
    case 0x178:
      return 0xFF;  // Ÿ
  }
  return 0;
}

void putTwoBytes(std::string& out, char32_t c) {
  out += static_cast<char>(0xC0 | (c >> 6));
  out += static_cast<char>(0x80 | (c & 0x3F));
}

}  // namespace

std::string lowerCase(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b >= 'A' && b <= 'Z') {
      out += static_cast<char>(b + ('a' - 'A'));
      continue;
    }
    // Every capital with a small letter outside ASCII is a two-byte sequence.
    if ((b & 0xE0) == 0xC0 && i + 1 < utf8.size() &&
        (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
      const char32_t c = (char32_t(b & 0x1F) << 6) | (utf8[i + 1] & 0x3F);
      if (const char32_t small = smallOf(c)) {
        putTwoBytes(out, small);
        ++i;
        continue;
      }
    }
    out += utf8[i];
  }
  return out;
}

}  // namespace vm::format
