// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/number_parse.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace vm::format {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

struct Scan {
  std::size_t length = 0;  // 0 when the text does not start with a number
  double value = 0;
  bool overflow = false;
};

std::size_t skipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && isDigit(text[at])) ++at;
  return at;
}

// Reads the longest number at the very start of `text`.
Scan scanNumber(std::string_view text) {
  std::size_t at = 0;
  const bool negative = at < text.size() && text[at] == '-';
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  const std::size_t mantissa = at;

  const std::size_t wholeEnd = skipDigits(text, at);
  const std::string_view whole = text.substr(mantissa, wholeEnd - mantissa);
  std::size_t end = wholeEnd;
  std::string_view fraction;
  if (end < text.size() && text[end] == '.') {
    end = skipDigits(text, end + 1);
    fraction = text.substr(wholeEnd + 1, end - wholeEnd - 1);
  }
  if (whole.empty() && fraction.empty()) return {};

  // The exponent belongs to the number only when at least one digit follows it.
  long exponent = 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t e = end + 1;
    const bool negativeExponent = e < text.size() && text[e] == '-';
    if (e < text.size() && (text[e] == '-' || text[e] == '+')) ++e;
    const std::size_t exponentEnd = skipDigits(text, e);
    if (exponentEnd > e) {
      for (std::size_t i = e; i < exponentEnd; ++i) {
        exponent = std::min(exponent * 10 + (text[i] - '0'), 100000L);
      }
      if (negativeExponent) exponent = -exponent;
      end = exponentEnd;
    }
  }

  Scan scan;
  scan.length = end;
  const std::string_view number = text.substr(mantissa, end - mantissa);
  const auto result = std::from_chars(number.data(), number.data() + number.size(), scan.value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large or too small: tell them apart by the place of the first significant digit.
    const auto firstWhole = whole.find_first_not_of('0');
    long magnitude = exponent;
    if (firstWhole != std::string_view::npos) {
      magnitude += static_cast<long>(whole.size() - firstWhole);
    } else {
      magnitude -= static_cast<long>(fraction.find_first_not_of('0'));
    }
    scan.overflow = magnitude > 0;
    scan.value = scan.overflow ? std::numeric_limits<double>::infinity() : 0.0;
  }
  if (negative) scan.value = -scan.value;
  return scan;
}

std::string_view trimLeadingBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view trimBlanks(std::string_view text) {
  text = trimLeadingBlanks(text);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

bool isNumeric(std::string_view text) {
  text = trimBlanks(text);
  const Scan scan = scanNumber(text);
  return scan.length > 0 && scan.length == text.size() && !scan.overflow;
}

double leadingNumber(std::string_view text) { return scanNumber(trimLeadingBlanks(text)).value; }

}  // namespace vm::format
