// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/number_key.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>

namespace vm::format {
namespace {

constexpr int kDigits = 15;
constexpr std::uint64_t kSpecial = std::uint64_t{1} << 62;
constexpr std::uint64_t kNaN = kSpecial | 1, kMinusInfinity = kSpecial | 2,
                        kInfinity = kSpecial | 3;

constexpr std::array<std::uint64_t, kDigits + 1> kPowers = [] {
  std::array<std::uint64_t, kDigits + 1> p{};
  p[0] = 1;
  for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
  return p;
}();

// 15 digits fit in 50 bits and the exponent, offset to be positive, in the 10 bits above them.
std::uint64_t pack(bool negative, std::uint64_t digits, int exponent) {
  return (negative ? std::uint64_t{1} << 63 : 0) |
         (static_cast<std::uint64_t>(exponent + 512) << 50) | digits;
}

// The digits as the general number text takes them: the value printed to 15 digits.
std::uint64_t printedKey(double value) {
  char text[32];
  const char* end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, kDigits - 1)
          .ptr;
  const char* p = text;
  const bool negative = *p == '-';
  if (negative) ++p;
  std::uint64_t digits = 0;
  for (; p != end && *p != 'e'; ++p)
    if (*p != '.') digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
  int exponent = 0;
  if (p != end) std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
  return pack(negative, digits, exponent);
}

}  // namespace

std::uint64_t numberKey(double value) {
  if (std::isnan(value)) return kNaN;
  if (std::isinf(value)) return value < 0 ? kMinusInfinity : kInfinity;
  if (value == 0) return 0;  // -0 shows as 0 too
#if defined(__SIZEOF_INT128__)
  // From 1 up to 10^15, where every time stamp lies, the digits are worked out exactly in integers:
  // the value is m * 2^-shift, so its first 15 digits are m * 10^(14 - e) * 2^-shift rounded to
  // the nearest whole number, halves to the even one as printing rounds them.
  const double magnitude = std::fabs(value);
  if (magnitude >= 1 && magnitude < 1e15) {
    int e = 0;
    while (magnitude >= static_cast<double>(kPowers[static_cast<std::size_t>(e) + 1])) ++e;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - static_cast<int>(bits >> 52);  // 3 to 52 in this range
    __extension__ typedef unsigned __int128 Wide;
    const Wide scaled = static_cast<Wide>(m) * kPowers[static_cast<std::size_t>(kDigits - 1 - e)];
    auto digits = static_cast<std::uint64_t>(scaled >> shift);
    const Wide rest = scaled - (static_cast<Wide>(digits) << shift);
    const Wide half = static_cast<Wide>(1) << (shift - 1);
    if (rest > half || (rest == half && (digits & 1) != 0)) ++digits;
    if (digits == kPowers[kDigits]) {
      digits = kPowers[kDigits - 1];
      ++e;
    }
    return pack(value < 0, digits, e);
  }
#endif
  return printedKey(value);
}

}  // namespace vm::format
