// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vm::imports {

// A text as the import matches names and codes: small letters, accents taken off the letters of
// Windows-1252 ("José" and "JOSE" alike, "Œ" as "oe", "ß" as "ss"), blanks at either end dropped
// and runs of blanks inside made one.
std::string folded(std::string_view utf8);

}  // namespace vm::imports
