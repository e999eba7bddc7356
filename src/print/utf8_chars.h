// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace vm::print {

// Splits UTF-8 text into its characters, each the bytes of one code point; a byte that does
// not start a complete sequence stands alone, so no byte is ever lost.
std::vector<std::string_view> utf8Chars(std::string_view text);

}  // namespace vm::print
