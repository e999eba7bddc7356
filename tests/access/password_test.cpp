// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/password.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

using namespace vm::access;

TEST(PasswordRule, AcceptsFourToEightLettersAndDigitsAroundWhichBlanksAreTrimmed) {
  for (const char* ok : {"abcd", "A1b2C3d4", "  pass99  ", "0000"})
    EXPECT_TRUE(IsValidPassword(ok)) << ok;
  for (const char* bad : {"abc", "abcdefghi", "ab cd", "ab-cd", "ab/cd", "abc!", "", "    ",
                          "<4 to 8 chars only>", "caf\xC3\xA9"})
    EXPECT_FALSE(IsValidPassword(bad)) << bad;
}

TEST(PasswordScrambling, EvenPositionsSpellThePasswordAndFillIsDigitsOrLetters) {
  const std::string stored = ScramblePassword("  Secr3t  ");
  ASSERT_EQ(stored.size(), 12u);
  for (std::size_t i = 0; i < stored.size(); ++i) {
    EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(stored[i]))) << stored;
    if (i % 2 == 1) {
      EXPECT_EQ(stored[i], std::string("Secr3t")[i / 2]);
    }
  }
  EXPECT_EQ(UnscramblePassword(stored), "Secr3t");
  EXPECT_EQ(UnscramblePassword(stored + "    "), "Secr3t");  // the field's padding
  EXPECT_EQ(UnscramblePassword(""), "");
  EXPECT_EQ(UnscramblePassword("a1b"), "1");  // a trailing odd character is dropped
}

TEST(PasswordScrambling, FillCharactersVaryWithinOneCall) {
  // Drawn from one generator rather than reseeded from the clock for each character,
  // which would repeat the same fill character within one clock tick.
  std::set<char> fill;
  const std::string stored = ScramblePassword("aaaaaaaa");
  for (std::size_t i = 0; i < stored.size(); i += 2) fill.insert(stored[i]);
  EXPECT_GT(fill.size(), 2u);
  EXPECT_NE(ScramblePassword("aaaaaaaa"), stored);
}
