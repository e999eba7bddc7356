// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vm::format {

// The text in lower case, as finds that ignore letter case compare it: A to Z and the capitals of
// Windows-1252 (À to Þ, Š, Œ, Ž, Ÿ) become small; everything else, malformed UTF-8 included, is
// kept as it is.
std::string lowerCase(std::string_view utf8);

}  // namespace vm::format
