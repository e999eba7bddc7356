// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/crc32c.h"

#include <array>

namespace vm::store {
namespace {

// The checksum of every byte value, for the polynomial 0x1EDC6F41 in its reflected form.
constexpr std::array<std::uint32_t, 256> kTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) != 0 ? 0x82F63B78u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

}  // namespace

std::uint32_t crc32c(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes)
    crc = kTable[(crc ^ static_cast<unsigned char>(c)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

}  // namespace vm::store
