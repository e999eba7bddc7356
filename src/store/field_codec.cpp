// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/field_codec.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "format/cp1252.h"

namespace vm::store::codec {
namespace {

template <typename U>
void putLittle(std::span<char> record, std::size_t offset, U bits) {
  for (std::size_t i = 0; i < sizeof(U); ++i)
    record[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

}  // namespace

void putText(std::span<char> record, layout::Field f, std::string_view utf8) {
  const std::string bytes = format::utf8ToCp1252(utf8);
  const std::size_t n = std::min(bytes.size(), f.width);
  std::memcpy(record.data() + f.offset, bytes.data(), n);
  std::fill(record.begin() + static_cast<std::ptrdiff_t>(f.offset + n),
            record.begin() + static_cast<std::ptrdiff_t>(f.end()), ' ');
}

std::string getText(std::span<const char> record, layout::Field f) {
  return format::cp1252ToUtf8(rawText(record, f));
}

void putDouble(std::span<char> record, layout::Field f, double v) {
  putLittle(record, f.offset, std::bit_cast<std::uint64_t>(v));
}

void putSingle(std::span<char> record, layout::Field f, float v) {
  putLittle(record, f.offset, std::bit_cast<std::uint32_t>(v));
}

void putInt16(std::span<char> record, layout::Field f, std::int16_t v) {
  putLittle(record, f.offset, static_cast<std::uint16_t>(v));
}

}  // namespace vm::store::codec
