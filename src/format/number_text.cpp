// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vm::format {
namespace {

// Significant digits of a value and the power of ten of the first one:
// 0.0123 is {"123", -2}.
struct Digits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// Splits to_chars scientific output ("-1.25e+02") into its parts.
Digits fromScientific(const char* first, const char* last) {
  Digits d;
  if (*first == '-') {
    d.negative = true;
    ++first;
  }
  for (; first != last && *first != 'e'; ++first) {
    if (*first != '.') d.digits += *first;
  }
  if (first != last) std::from_chars(first + (first[1] == '+' ? 2 : 1), last, d.exponent);
  return d;
}

Digits digitsOf(double value, int significant) {
  char text[64];
  const auto end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, significant - 1)
          .ptr;
  return fromScientific(text, end);
}

std::string nonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

// The value times 10^shift rounded half away from zero to `decimals` places, as
// "whole.fraction" without a leading zero in the whole part (so 0.5 gives ".5" and 0 gives ""
// for no decimals) and with a sign only when the rounded value is not zero.
std::string fixedText(double value, int shift, int decimals) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  Digits d = digitsOf(value, 15);
  int point = d.exponent + 1 + shift;  // digits before the decimal point
  std::string& digits = d.digits;
  const int keep = point + decimals;
  if (keep < 0) {  // rounds to zero
    digits.clear();
    point = -decimals;
  } else if (keep < static_cast<int>(digits.size())) {
    const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (up) {
      int i = keep - 1;
      for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i) {
        digits[static_cast<std::size_t>(i)] = '0';
      }
      if (i >= 0) {
        ++digits[static_cast<std::size_t>(i)];
      } else {
        digits.insert(digits.begin(), '1');
        ++point;
      }
    }
  } else {
    digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
  }
  // Leading zeros between the point and the first significant digit.
  if (point < 0) {
    digits.insert(0, static_cast<std::size_t>(-point), '0');
    point = 0;
  }
  std::string whole = digits.substr(0, static_cast<std::size_t>(point));
  const std::string fraction = digits.substr(static_cast<std::size_t>(point));
  const auto first = whole.find_first_not_of('0');
  whole.erase(0, first == std::string::npos ? whole.size() : first);

  std::string text = (d.negative && digits.find_first_not_of('0') != std::string::npos) ? "-" : "";
  text += whole;
  if (decimals > 0) text.append(".").append(fraction);
  return text;
}

// Lays the digits out in fixed notation from 1E-04 up to below 1E+15, in exponent form
// outside it.
std::string generalText(Digits d) {
  const auto last = d.digits.find_last_not_of('0');
  if (last == std::string::npos) return "0";
  std::string digits = d.digits.substr(0, last + 1);
  std::string text = d.negative ? "-" : "";
  if (d.exponent < -4 || d.exponent >= 15) {
    text += digits[0];
    if (digits.size() > 1) text.append(".").append(digits, 1);
    text += d.exponent < 0 ? "E-" : "E+";
    const int exponent = std::abs(d.exponent);
    if (exponent < 10) text += '0';
    return text.append(std::to_string(exponent));
  }
  if (d.exponent < 0) {
    return text.append("0.").append(static_cast<std::size_t>(-d.exponent - 1), '0').append(digits);
  }
  const auto whole = static_cast<std::size_t>(d.exponent + 1);
  if (digits.size() <= whole) return text.append(digits).append(whole - digits.size(), '0');
  return text.append(digits, 0, whole).append(".").append(digits, whole);
}

}  // namespace

std::string formatOneDecimal(double value) { return fixedText(value, 0, 1); }

std::string formatPercent(double fraction) {
  const std::string whole = fixedText(fraction, 2, 0);
  return (whole.empty() ? "0" : whole) + "%";
}

std::string formatPercentNoZero(double fraction) { return fixedText(fraction, 2, 0) + "%"; }

std::string generalNumber(double value) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  return generalText(digitsOf(value, 15));
}

std::string shortestSingle(float value) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  char text[32];
  const auto end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
  return generalText(fromScientific(text, end));
}

float toSingle(double value) {
  if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    return value < 0 ? -kInfinity : kInfinity;
  }
  return static_cast<float>(value);
}

}  // namespace vm::format
