// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "format/automation_date.h"

namespace vm::test {

// One "User.List" record as another program writes it: a little-endian double, text fields padded
// with blanks, a little-endian 16-bit level; 500 bytes.
inline std::string userRecordBytes(double created, const std::string& first,
                                   const std::string& last, const std::string& storedPassword,
                                   std::int16_t level, const std::string& comments = {}) {
  std::string bytes(500, ' ');
  std::memcpy(bytes.data(), &created, 8);
  auto put = [&](std::size_t offset, std::size_t width, const std::string& text) {
    bytes.replace(offset, std::min(width, text.size()), text.substr(0, width));
  };
  put(8, 15, first);
  put(23, 20, last);
  put(43, 16, storedPassword);
  bytes[59] = static_cast<char>(level & 0xFF);
  bytes[60] = static_cast<char>((level >> 8) & 0xFF);
  put(61, 439, comments);
  return bytes;
}

inline double stamp(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return format::toAutomationDate({y, mo, d, h, mi, s});
}

}  // namespace vm::test
