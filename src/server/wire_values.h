// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace vm::server::wire {

// Values travel to and from the server in its binary form: numbers big-endian, IEEE doubles and
// singles bit for bit (so a stored value comes back exactly, whatever it is), text as its UTF-8
// bytes and byte strings as they are. These are the server's numbers for those types.
enum Type : unsigned {
  kBool = 16,
  kBytes = 17,
  kInt64 = 20,
  kInt16 = 21,
  kInt32 = 23,
  kText = 25,
  kSingle = 700,
  kDouble = 701,
  kInt64Array = 1016,
  kDoubleArray = 1022,
};

template <typename U>
void appendBig(std::string& out, U bits) {
  for (int i = static_cast<int>(sizeof(U)) - 1; i >= 0; --i)
    out += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

template <typename U>
U readBig(std::string_view in) {
  U bits = 0;
  for (std::size_t i = 0; i < sizeof(U); ++i)
    bits = static_cast<U>((bits << 8) | static_cast<unsigned char>(in[i]));
  return bits;
}

inline void appendDouble(std::string& out, double v) {
  appendBig(out, std::bit_cast<std::uint64_t>(v));
}
inline void appendSingle(std::string& out, float v) {
  appendBig(out, std::bit_cast<std::uint32_t>(v));
}
inline double readDouble(std::string_view in) {
  return std::bit_cast<double>(readBig<std::uint64_t>(in));
}
inline float readSingle(std::string_view in) {
  return std::bit_cast<float>(readBig<std::uint32_t>(in));
}

}  // namespace vm::server::wire
