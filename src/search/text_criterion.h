// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vm::search {

// A word, or part of one, looked for inside a stored text field: anywhere in the field's
// Windows-1252 bytes, padding included, without regard to case. A to Z and the accented
// capitals of Windows-1252 (À to Þ, Š, Œ, Ž, Ÿ) match their small letters; every other character,
// "*" and "?" included, stands only for itself.
class TextCriterion {
 public:
  // From the text of a criteria box (UTF-8). An empty text is met by every field; a text with a
  // character that Windows-1252 cannot hold is met by none, since no stored field holds it.
  explicit TextCriterion(std::string_view utf8 = {});

  bool empty() const { return folded_.empty() && !unmatchable_; }
  bool metBy(std::string_view field) const;

 private:
  bool matchesAt(const unsigned char* at) const;

  std::string folded_;  // Windows-1252, small letters
  bool unmatchable_ = false;
  // The two bytes that fold to the first byte of the text, each repeated over a word, so that
  // eight places of the field are tried at once before any is compared in full.
  std::uint64_t firstSmall_ = 0;
  std::uint64_t firstCapital_ = 0;
};

}  // namespace vm::search
