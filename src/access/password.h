// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vm::access {

// 4 to 8 characters after trimming, each a digit or an unaccented letter.
bool IsValidPassword(std::string_view text);

// The stored form of a password: each character of the trimmed password preceded by a
// random digit or letter, so the file does not show it at a glance. There is no key;
// it only hides the password from a casual look.
std::string ScramblePassword(std::string_view password);

// The password back from its stored form (trimmed first): the characters at the even
// positions, counting from 1.
std::string UnscramblePassword(std::string_view stored);

}  // namespace vm::access
