// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/text_case.h"

#include <gtest/gtest.h>

using vm::format::lowerCase;

TEST(LowerCase, LowersTheCapitalsOfTheStoredCharacterSet) {
  EXPECT_EQ(lowerCase("P1*-T001 Tornado"), "p1*-t001 tornado");
  EXPECT_EQ(lowerCase("ÀÉÎÕÜÞ ŠŒŽŸ"), "àéîõüþ šœžÿ");
  EXPECT_EQ(lowerCase("× ß ÿ €"),
            "× ß ÿ €");  // no capital, or no small letter to become
  EXPECT_EQ(lowerCase(std::string("A\xC3") + "B\x80"), std::string("a\xC3") + "b\x80");
}
