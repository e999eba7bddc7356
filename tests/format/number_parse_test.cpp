// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/number_parse.h"

#include <gtest/gtest.h>

#include <limits>

using vm::format::isNumeric;
using vm::format::leadingNumber;

TEST(NumberParse, NumericTexts) {
  for (const char* text : {"1e2", "2.5", ".5", "-1", "+7", " 40 ", "2.", "1E-3", "0", "007",
                           "1.5e+2", "\t3\t", "1e-400"}) {
    EXPECT_TRUE(isNumeric(text)) << text;
  }
  for (const char* text : {"", "  ", "abc", "1e", "1e+", ".", "-", "+", "1.2.3", "1 2", "12abc",
                           "--1", "0x10", "1,5", "1e999", "e5", "$5", "- 1"}) {
    EXPECT_FALSE(isNumeric(text)) << text;
  }
}

TEST(NumberParse, LeadingNumber) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"200x", 200},      {"", 0},          {"  12.5 hours", 12.5},
      {"1e2", 100},       {"abc", 0},       {"-3.5kg", -3.5},
      {"+4", 4},          {"1e", 1},        {"1e+x", 1},
      {".5.5", 0.5},      {"12,5", 12},     {"1 2", 1},
      {"1e999", inf},     {"-1e999", -inf}, {"1e-999", 0},
      {"0.0001e-400", 0}, {"-", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(leadingNumber(c.text), c.value) << c.text;
}
