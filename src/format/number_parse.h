// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace vm::format {

// Numbers as users type them: an optional sign, digits with at most one decimal point
// (".5" and "2." count), and an optional exponent ("1e2" is 100). The decimal point is
// always ".".

// True when the text, blanks around it aside, is one such number within the range of a
// double. "" and "abc" are not numeric.
bool isNumeric(std::string_view text);

// The number at the start of the text after leading blanks, reading as far as the number
// goes: "200x" -> 200, "  12.5 hours" -> 12.5, "" and "abc" -> 0. A number too large for a
// double reads as an infinity of its sign.
double leadingNumber(std::string_view text);

}  // namespace vm::format
