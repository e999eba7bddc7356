// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/text_criterion.h"

#include <array>
#include <cstring>

#include "format/cp1252.h"

namespace vm::search {
namespace {

// Each Windows-1252 byte in small letters, as format::lowerCase folds the same characters.
constexpr std::array<unsigned char, 256> kFold = [] {
  std::array<unsigned char, 256> fold{};
  for (int b = 0; b < 256; ++b) fold[b] = static_cast<unsigned char>(b);
  for (int b = 'A'; b <= 'Z'; ++b) fold[b] = static_cast<unsigned char>(b + 0x20);
  for (int b = 0xC0; b <= 0xDE; ++b)
    if (b != 0xD7) fold[b] = static_cast<unsigned char>(b + 0x20);  // À..Þ but not ×
  fold[0x8A] = 0x9A;                                                // Š
  fold[0x8C] = 0x9C;                                                // Œ
  fold[0x8E] = 0x9E;                                                // Ž
  fold[0x9F] = 0xFF;                                                // Ÿ
  return fold;
}();

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

// Whether any byte of the word equals the byte repeated in `pattern` (the zero-byte test on
// their difference).
constexpr bool hasByte(std::uint64_t word, std::uint64_t pattern) {
  const std::uint64_t x = word ^ pattern;
  return ((x - kOnes) & ~x & kHighs) != 0;
}

}  // namespace

TextCriterion::TextCriterion(std::string_view utf8) {
  const std::string bytes = format::utf8ToCp1252(utf8);
  unmatchable_ = format::cp1252ToUtf8(bytes) != utf8;
  if (unmatchable_) return;
  folded_.reserve(bytes.size());
  for (char c : bytes) folded_ += static_cast<char>(kFold[static_cast<unsigned char>(c)]);
  if (folded_.empty()) return;
  const auto first = static_cast<unsigned char>(folded_[0]);
  unsigned char capital = first;
  for (int b = 0; b < 256; ++b)
    if (b != first && kFold[b] == first) capital = static_cast<unsigned char>(b);
  firstSmall_ = kOnes * first;
  firstCapital_ = kOnes * capital;
}

bool TextCriterion::matchesAt(const unsigned char* at) const {
  for (std::size_t j = 0; j < folded_.size(); ++j)
    if (kFold[at[j]] != static_cast<unsigned char>(folded_[j])) return false;
  return true;
}

bool TextCriterion::metBy(std::string_view field) const {
  if (unmatchable_) return false;
  const std::size_t n = folded_.size();
  if (n == 0) return true;
  if (field.size() < n) return false;
  const auto* h = reinterpret_cast<const unsigned char*>(field.data());
  const std::size_t starts = field.size() - n + 1;  // places where the text can begin
  std::size_t i = 0;
  for (; i + 8 <= starts; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, h + i, 8);
    if (!hasByte(word, firstSmall_) && !hasByte(word, firstCapital_)) continue;
    for (std::size_t k = i; k < i + 8; ++k)
      if (matchesAt(h + k)) return true;
  }
  for (; i < starts; ++i)
    if (matchesAt(h + i)) return true;
  return false;
}

}  // namespace vm::search
