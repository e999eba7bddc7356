// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_text.h"

#include <gtest/gtest.h>

#include <QLineEdit>

using vm::ui::allFilledIn;
using vm::ui::trimBlanks;
using vm::ui::trimmedField;

TEST(FieldText, OnlyBlanksAreTrimmedAndOnlyAtTheEnds) {
  EXPECT_EQ(trimBlanks("  Ann  Lee "), "Ann  Lee");
  EXPECT_EQ(trimBlanks("\tAnn\r\n"), "\tAnn\r\n");  // what the user typed stays
  EXPECT_EQ(trimBlanks("   "), "");
  EXPECT_EQ(trimmedField("Ren\xC3\xA9" + std::string(11, ' ')), QStringLiteral("Ren\u00E9"));
  EXPECT_EQ(trimmedField(std::string(15, ' ')), "");
}

TEST(FieldText, AMandatoryEntryNeedsMoreThanBlanksInEveryBox) {
  QLineEdit first("Ann"), last("  ");
  EXPECT_FALSE(allFilledIn({&first, &last}));
  last.setText(" Lee");
  EXPECT_TRUE(allFilledIn({&first, &last}));
  last.setText("\t");
  EXPECT_TRUE(allFilledIn({&first, &last}));
}
