// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/utf8_chars.h"

namespace vm::print {
namespace {

std::size_t sequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

}  // namespace

std::vector<std::string_view> utf8Chars(std::string_view text) {
  std::vector<std::string_view> chars;
  chars.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t n = sequenceLength(static_cast<unsigned char>(text[i]));
    if (i + n > text.size()) n = 1;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
        n = 1;
        break;
      }
    }
    chars.push_back(text.substr(i, n));
    i += n;
  }
  return chars;
}

}  // namespace vm::print
