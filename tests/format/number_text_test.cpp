// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <set>

#include "format/automation_date.h"
#include "format/number_parse.h"

using namespace vm::format;

TEST(NumberText, OneDecimalWithoutLeadingZero) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {40, "40.0"},
      {2.5, "2.5"},
      {0.5, ".5"},
      {0, ".0"},
      {12, "12.0"},
      {0.04, ".0"},
      {0.05, ".1"},
      {0.15, ".2"},
      {2.25, "2.3"},
      {2.45f, "2.5"},
      {9.96, "10.0"},
      {999.95, "1000.0"},
      {-2.5, "-2.5"},
      {-0.04, ".0"},
      {-0.05, "-.1"},
      {1e-20, ".0"},
      {1234567.25, "1234567.3"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatOneDecimal(c.value), c.text) << c.value;
}

TEST(NumberText, Percentages) {
  const struct {
    double fraction;
    const char* whole;
    const char* noZero;
  } cases[] = {
      {0, "0%", "%"},          {0.01, "1%", "1%"},
      {0.37, "37%", "37%"},    {0.375, "38%", "38%"},
      {0.285, "29%", "29%"},   {0.004, "0%", "%"},
      {0.005, "1%", "1%"},     {1.0 / 3, "33%", "33%"},
      {2.0 / 3, "67%", "67%"}, {445.0 / 890, "50%", "50%"},
      {1, "100%", "100%"},     {-0.5, "-50%", "-50%"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatPercent(c.fraction), c.whole) << c.fraction;
    EXPECT_EQ(formatPercentNoZero(c.fraction), c.noZero) << c.fraction;
  }
}

TEST(NumberText, GeneralNumberUsesAtMostFifteenDigits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {40, "40"},
      {0.5, "0.5"},
      {-2.5, "-2.5"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {38425.588298611111, "38425.5882986111"},
      {1e14, "100000000000000"},
      {999999999999999, "999999999999999"},
      {1e15, "1E+15"},
      {1e20, "1E+20"},
      {123456789012345678.0, "1.23456789012346E+17"},
      {1e100, "1E+100"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {-1.5e-5, "-1.5E-05"},
  };
  for (const auto& c : cases) EXPECT_EQ(generalNumber(c.value), c.text);
}

TEST(NumberText, StampsOneSecondApartHaveDistinctTexts) {
  // Record links are matched on this text, so no two creation stamps may share one.
  for (const int year : {1950, 2005, 9999}) {
    std::set<std::string> texts;
    const double day = automationDateOf(year, 12, 31);
    for (int s = 0; s < 86400; ++s) {
      texts.insert(generalNumber(toAutomationDate({year, 12, 31, s / 3600, s / 60 % 60, s % 60})));
    }
    EXPECT_EQ(texts.size(), 86400u) << year;
    EXPECT_EQ(generalNumber(day), std::to_string(static_cast<int>(day)));
  }
}

TEST(NumberText, ShortestSingle) {
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {2.2f, "2.2"},
      {0.5f, "0.5"},
      {40, "40"},
      {-3, "-3"},
      {0, "0"},
      {12.5f, "12.5"},
      {0.1f, "0.1"},
      {1.0f / 3, "0.33333334"},
      {16777216.0f, "16777216"},
      {1e-5f, "1E-05"},
      {3.4028235e38f, "3.4028235E+38"},
  };
  for (const auto& c : cases) EXPECT_EQ(shortestSingle(c.value), c.text) << c.value;
}

TEST(NumberText, ShortestSingleReadsBackAsTheSameSingle) {
  for (std::uint32_t bits = 0; bits < 0x7f800000u; bits += 40503) {
    for (const std::uint32_t sign : {0u, 0x80000000u}) {
      const float value = std::bit_cast<float>(bits | sign);
      const std::string text = shortestSingle(value);
      if (static_cast<float>(leadingNumber(text)) != value) {
        ADD_FAILURE() << text << " does not read back as bits " << (bits | sign);
        return;
      }
    }
  }
}

TEST(NumberText, SinglesBeyondTheirRangeBecomeInfinite) {
  constexpr float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(toSingle(2.5), 2.5f);
  EXPECT_EQ(toSingle(1e300), inf);
  EXPECT_EQ(toSingle(-1e300), -inf);
  EXPECT_EQ(toSingle(-std::numeric_limits<double>::infinity()), -inf);
}
