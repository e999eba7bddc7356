// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/number_key.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "format/number_text.h"

using vm::format::generalNumber;
using vm::format::numberKey;

namespace {

// Values of every kind, and their neighbours, whose texts differ in the last digit or not at all.
std::vector<double> samples() {
  std::vector<double> out = {1.0,
                             0.5,
                             9.999999999999995,  // rounds up to 10
                             99999999999999.95,
                             123456789012345.5,  // exactly halfway: to the even 6
                             123456789012344.5,  // exactly halfway: to the even 4
                             999999999999999.0,
                             1e15,
                             1e-4,
                             1.5e-5,
                             1e20,
                             -3,
                             -36892.333333333336,
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::denorm_min()};
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> days(0, 2958466), any(-30, 30);
  for (int i = 0; i < 20000; ++i) out.push_back(days(random));
  for (int i = 0; i < 20000; ++i) out.push_back(std::pow(10.0, any(random)));
  for (int i = 0; i < 20000; ++i) {
    const double d = std::floor(days(random)) + std::floor(days(random) / 2958466 * 86400) / 86400;
    out.push_back(d);
  }
  const std::size_t base = out.size();
  for (std::size_t i = 0; i < base; ++i) {
    out.push_back(std::nextafter(out[i], 1e300));
    out.push_back(std::nextafter(out[i], -1e300));
  }
  return out;
}

}  // namespace

TEST(NumberKey, ValuesHaveTheSameKeyExactlyWhenTheirTextsAgree) {
  const std::vector<double> values = samples();
  for (std::size_t i = 0; i < values.size(); ++i) {
    const double v = values[i];
    const std::string text = generalNumber(v);
    // The value the text reads back as has the same text, so it must have the same key (the
    // largest values' texts read back beyond the range).
    const double back = std::strtod(text.c_str(), nullptr);
    if (std::isfinite(back)) {
      ASSERT_EQ(numberKey(back), numberKey(v))
          << text << " bits " << std::bit_cast<std::uint64_t>(v);
    }
    if (i > 0) {
      const double w = values[i - 1];
      EXPECT_EQ(numberKey(v) == numberKey(w), text == generalNumber(w)) << text;
    }
  }
  EXPECT_EQ(generalNumber(123456789012345.5), "123456789012346");
  EXPECT_EQ(generalNumber(123456789012344.5), "123456789012344");
}

TEST(NumberKey, SpecialValuesHaveKeysOfTheirOwn) {
  const double inf = std::numeric_limits<double>::infinity();
  const double specials[] = {0.0, inf, -inf, std::nan("")};
  for (double v : specials)
    for (double w : specials)
      EXPECT_EQ(numberKey(v) == numberKey(w), generalNumber(v) == generalNumber(w))
          << v << " " << w;
  EXPECT_EQ(numberKey(0.0), numberKey(-0.0));
}
