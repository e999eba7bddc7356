// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "store/record_layouts.h"

namespace vm::store::codec {

// Little-endian puts and gets of single fields, independent of the host's byte order. The gets
// are inline: scans call them for every record.

// The unsigned number of `U`'s width stored little-endian at the offset.
template <typename U>
U getLittle(std::span<const char> record, std::size_t offset) {
  U bits = 0;
  for (std::size_t i = 0; i < sizeof(U); ++i)
    bits |= static_cast<U>(static_cast<unsigned char>(record[offset + i])) << (8 * i);
  return bits;
}

// Windows-1252 text padded with spaces or cut to the field's width.
void putText(std::span<char> record, layout::Field f, std::string_view utf8);
std::string getText(std::span<const char> record, layout::Field f);
// The raw bytes of a text field, for scans that compare without converting.
inline std::string_view rawText(std::span<const char> record, layout::Field f) {
  return {record.data() + f.offset, f.width};
}

void putDouble(std::span<char> record, layout::Field f, double v);
inline double getDouble(std::span<const char> record, layout::Field f) {
  return std::bit_cast<double>(getLittle<std::uint64_t>(record, f.offset));
}

void putSingle(std::span<char> record, layout::Field f, float v);
inline float getSingle(std::span<const char> record, layout::Field f) {
  return std::bit_cast<float>(getLittle<std::uint32_t>(record, f.offset));
}

void putInt16(std::span<char> record, layout::Field f, std::int16_t v);
inline std::int16_t getInt16(std::span<const char> record, layout::Field f) {
  return static_cast<std::int16_t>(getLittle<std::uint16_t>(record, f.offset));
}

}  // namespace vm::store::codec
