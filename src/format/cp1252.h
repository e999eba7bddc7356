// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vm::format {

// The data files hold one byte per character in Windows-1252; the program works in
// UTF-8. A character that Windows-1252 lacks is written as "?", and a malformed
// UTF-8 sequence counts as one such character per byte.
std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view bytes);

}  // namespace vm::format
