// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vm::format {

// Number texts as the lists, gauges and reports show them. The fixed formats round half
// away from zero on the value's 15 significant digits, so 0.15 shows as .2 the way a
// reader expects rather than as the binary value just below it. The decimal point is
// always "." whatever the system's locale.

// "###.0": one decimal, no leading zero. 40 -> "40.0", 2.5 -> "2.5", 0.5 -> ".5", 0 -> ".0".
std::string formatOneDecimal(double value);

// "0%": a fraction as a whole percentage. 0.37 -> "37%", 0 -> "0%".
std::string formatPercent(double fraction);

// "###%": as formatPercent but nothing before the sign for 0. 0.01 -> "1%", 0 -> "%".
std::string formatPercentNoZero(double fraction);

// The general number text of a double: at most 15 significant digits, no trailing zeros,
// fixed notation from 1E-04 up to below 1E+15 and exponent form ("1E+20", "1.5E-05")
// outside it. Dates used as record links are compared in this form.
std::string generalNumber(double value);

// The shortest text that reads back as the same single, laid out as generalNumber does.
// 2.2f -> "2.2", 0.5f -> "0.5", 40 -> "40", -3 -> "-3".
std::string shortestSingle(float value);

// A double as a single. Beyond the single range the result is an infinity of the same
// sign instead of an undefined conversion.
float toSingle(double value);

}  // namespace vm::format
