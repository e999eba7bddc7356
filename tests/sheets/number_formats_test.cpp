// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/number_formats.h"

#include <gtest/gtest.h>

namespace vm::sheets {
namespace {

TEST(NumberFormats, TellsDatesFromNumbers) {
  const std::vector<std::tuple<std::size_t, std::string, bool>> cases = {
      {14, "", true},  // built-in m/d/yyyy
      {22, "", true},
      {47, "", true},
      {0, "General", false},
      {2, "0.00", false},
      {164, "yyyy\\-mm\\-dd", true},
      {164, "[$-409]d-mmm-yy;@", true},
      {164, "[h]:mm", true},
      {164, "#,##0 \"days\"", false},
      {164, "[Red]0.0", false},
      {164, "0.0\\d", false},
      {164, "_(* #,##0_)", false},
      {164, "hh:mm AM/PM", true},
      {164, "\"unterminated", false},
  };
  for (const auto& [id, code, date] : cases) EXPECT_EQ(isDateFormat(id, code), date) << id << code;
}

}  // namespace
}  // namespace vm::sheets
