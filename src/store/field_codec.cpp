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

template <typename U>
U getLittle(std::span<const char> record, std::size_t offset) {
  U bits = 0;
  for (std::size_t i = 0; i < sizeof(U); ++i)
    bits |= static_cast<U>(static_cast<unsigned char>(record[offset + i])) << (8 * i);
  return bits;
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

std::string_view rawText(std::span<const char> record, layout::Field f) {
  return {record.data() + f.offset, f.width};
}

void putDouble(std::span<char> record, layout::Field f, double v) {
  putLittle(record, f.offset, std::bit_cast<std::uint64_t>(v));
}

double getDouble(std::span<const char> record, layout::Field f) {
  return std::bit_cast<double>(getLittle<std::uint64_t>(record, f.offset));
}

void putSingle(std::span<char> record, layout::Field f, float v) {
  putLittle(record, f.offset, std::bit_cast<std::uint32_t>(v));
}

float getSingle(std::span<const char> record, layout::Field f) {
  return std::bit_cast<float>(getLittle<std::uint32_t>(record, f.offset));
}

void putInt16(std::span<char> record, layout::Field f, std::int16_t v) {
  putLittle(record, f.offset, static_cast<std::uint16_t>(v));
}

std::int16_t getInt16(std::span<const char> record, layout::Field f) {
  return static_cast<std::int16_t>(getLittle<std::uint16_t>(record, f.offset));
}

}  // namespace vm::store::codec
