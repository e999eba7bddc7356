// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/cp1252.h"

#include <gtest/gtest.h>

using vm::format::cp1252ToUtf8;
using vm::format::utf8ToCp1252;

TEST(Cp1252, AccentsAndPunctuationRoundTrip) {
  const std::string names = "Zoë Ångström – “Renée” €5 Œuvre";
  const std::string bytes = utf8ToCp1252(names);
  EXPECT_EQ(bytes.size(), 31u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 0xEB);   // ë
  EXPECT_EQ(static_cast<unsigned char>(bytes[13]), 0x96);  // en dash
  EXPECT_EQ(cp1252ToUtf8(bytes), names);
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCp1252("Łódź 日本"),
            "?\xF3"
            "d? ??");
  EXPECT_EQ(utf8ToCp1252("a\xFF\xC3"), "a??");  // malformed and cut-off sequences
}

TEST(Cp1252, EveryByteReadsBackToItself) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}
