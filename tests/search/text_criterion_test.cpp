// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/text_criterion.h"

#include <gtest/gtest.h>

#include <string>

using vm::search::TextCriterion;

TEST(TextCriterion, FindsTheTextAnywhereInTheStoredFieldWhateverItsCase) {
  const struct {
    const char* typed;  // UTF-8, as in the box
    std::string field;  // Windows-1252 bytes, as stored
    bool met;
  } cases[] = {
      {"fa", "FA-101  ", true},
      {"fa", "SAFA    ", true},
      {"fa", "fa      ", true},
      {"FA", "F-A     ", false},
      {"cpr", "Adult CPR refresher", true},
      {"Refresher", "Adult CPR refresher", true},
      {"adult cpr refresher!", "Adult CPR refresher", false},
      // Accented capitals of the stored character set fold too, both ways.
      {"é", "CAF\xC9", true},
      {"É", "caf\xE9", true},
      {"šœžÿ", "\x8A\x8C\x8E\x9F", true},
      {"ÀÞ", "\xE0\xFE", true},
      {"×", "\xF7", false},  // × and ÷ are not a pair of letters
      {"ß", "SS", false},
      // Every character stands for itself.
      {"a*", "ab", false},
      {"a*", "A*", true},
      {"?", "What?", true},
      {"?", "Why", false},
      {"a?c", "abc", false},
      // The whole field counts, its padding included.
      {"a  ", "FA      ", true},
      {"101 ", "FA-101  ", true},
      {"1011", "FA-101  ", false},
      // Longer than the field, or at its very end.
      {"fa-101xxx", "FA-101  ", false},
      {"r", std::string(183, ' ') + "R", true},
      {"ab", std::string(182, ' ') + "aB", true},
      {"ab", std::string(183, ' ') + "a", false},
      // A character the stored texts cannot hold is found nowhere, not even where it was stored as
      // a question mark.
      {"Ł", "?", false},
      {"", "anything", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TextCriterion(c.typed).metBy(c.field), c.met) << c.typed << " in " << c.field;
}

TEST(TextCriterion, EveryPlaceOfALongFieldIsTried) {
  // The word at every offset of a comment field, across the words the search reads at once, with
  // near misses (its first letter in either case) everywhere else.
  for (std::size_t at = 0; at + 3 <= 184; ++at) {
    std::string field(184, 'c');
    for (std::size_t i = 0; i < field.size(); i += 2) field[i] = 'C';
    field.replace(at, 3, "CpR");
    EXPECT_TRUE(TextCriterion("cpr").metBy(field)) << at;
    field.replace(at, 3, "CpX");
    EXPECT_FALSE(TextCriterion("cpr").metBy(field)) << at;
  }
}

TEST(TextCriterion, EmptyOnlyWithoutText) {
  EXPECT_TRUE(TextCriterion("").empty());
  EXPECT_FALSE(TextCriterion("a").empty());
  EXPECT_FALSE(TextCriterion("Ł").empty());
}
