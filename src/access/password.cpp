// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/password.h"

#include "format/trim.h"
#include "print/numeric_helpers.h"

namespace vm::access {
namespace {

bool isDigitOrLetter(int c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char fillCharacter() {
  for (;;) {
    const int c = print::RandomInRange(48, 122);
    if (isDigitOrLetter(c)) return static_cast<char>(c);
  }
}

}  // namespace

bool IsValidPassword(std::string_view text) {
  const std::string_view t = format::trimView(text);
  if (t.size() < 4 || t.size() > 8) return false;
  for (char c : t)
    if (!isDigitOrLetter(static_cast<unsigned char>(c))) return false;
  return true;
}

std::string ScramblePassword(std::string_view password) {
  const std::string_view p = format::trimView(password);
  std::string stored;
  stored.reserve(p.size() * 2);
  for (char c : p) {
    stored += fillCharacter();
    stored += c;
  }
  return stored;
}

std::string UnscramblePassword(std::string_view stored) {
  const std::string_view s = format::trimView(stored);
  std::string password;
  password.reserve(s.size() / 2);
  for (std::size_t j = 1; j < s.size(); j += 2) password += s[j];
  return password;
}

}  // namespace vm::access
