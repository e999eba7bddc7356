// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vm::search {

// Records link to persons through the general number text of a stored double (format::
// generalNumber: 15 significant digits). What decides that text is the sign, the first 15
// significant digits and the power of ten of the first; these keys pack them into one number
// (zero, the infinities and NaN have keys of their own), so that links are compared without
// building any text: two values have the same text exactly when they have the same key.

// The key of a value's general number text.
std::uint64_t numberKey(double value);

// The key of a text in the general number form, or nothing when no value shows as it.
std::optional<std::uint64_t> numberKey(std::string_view text);

}  // namespace vm::search
