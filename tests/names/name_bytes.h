// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace vm::test {

// Name.List records as another program writes them: 1000 bytes, laid out at the offsets
// written out here (independent of the store's own layout constants). Texts are given in
// Windows-1252 bytes and padded with blanks.
struct NameBytes {
  double dateCreated = 0;
  std::string first, middle, last, organization, employeeId, comments;
  std::int16_t active = -1;

  static constexpr std::size_t kLength = 1000;

  std::string bytes() const {
    std::string rec(kLength, ' ');
    const auto bits = std::bit_cast<std::uint64_t>(dateCreated);
    for (int i = 0; i < 8; ++i) rec[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    put(rec, 8, first, 15);
    put(rec, 23, middle, 15);
    put(rec, 38, last, 20);
    put(rec, 58, organization, 30);
    put(rec, 88, employeeId, 20);
    put(rec, 108, comments, 890);
    rec[998] = static_cast<char>(active & 0xFF);
    rec[999] = static_cast<char>((static_cast<std::uint16_t>(active) >> 8) & 0xFF);
    return rec;
  }

  // The field texts of one stored record, blanks included.
  static std::string field(const std::string& file, int recNum, std::size_t offset,
                           std::size_t width) {
    return file.substr((recNum - 1) * kLength + offset, width);
  }
  static double dateCreatedOf(const std::string& file, int recNum) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
      bits |=
          static_cast<std::uint64_t>(static_cast<unsigned char>(file[(recNum - 1) * kLength + i]))
          << (8 * i);
    return std::bit_cast<double>(bits);
  }
  static std::int16_t activeOf(const std::string& file, int recNum) {
    const auto at = (recNum - 1) * kLength + 998;
    return static_cast<std::int16_t>(static_cast<unsigned char>(file[at]) |
                                     (static_cast<unsigned char>(file[at + 1]) << 8));
  }

 private:
  static void put(std::string& rec, std::size_t offset, const std::string& text,
                  std::size_t width) {
    std::string f = text.substr(0, width);
    f.resize(width, ' ');
    rec.replace(offset, width, f);
  }
};

// A whole file from its records.
inline std::string nameList(std::initializer_list<NameBytes> records) {
  std::string file;
  for (const NameBytes& r : records) file += r.bytes();
  return file;
}

}  // namespace vm::test
