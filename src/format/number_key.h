// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace vm::format {

// What decides the general number text of a double (generalNumber: 15 significant digits) is the
// sign, the first 15 significant digits and the power of ten of the first; these keys pack them
// into one number (zero, the infinities and NaN have keys of their own), so that texts are
// compared without building any: two values have the same text exactly when they have the same
// key. Record links are compared so (store/link_rule.h).

// The key of a value's general number text.
std::uint64_t numberKey(double value);

}  // namespace vm::format
