// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/refused_rows.h"

#include <gtest/gtest.h>

#include "imports/workbook_builder.h"
#include "sheets/cells_text.h"

namespace vm::imports {
namespace {

using test::sheetOf;

// The refused rows come back as they were, with their reasons, ready to be fixed and imported
// again; a matrix's refused cells as rows of a training list.
TEST(RefusedRows, AreSavedAsTheyWereWithTheirReasons) {
  const sheets::Workbook book{{
      sheetOf(
          "Courses",
          {{"Code", "Title", "Hours", "Notes"}, {"OK", "Fine", "#2"}, {"BAD", "Bad", "-3", "x"}}),
      sheetOf("Matrix", {{"Name", "OK", "ZZ"},
                         {"Ann Lee", "@03/15/2004", "@03/16/2004"},
                         {"Bob", "@03/15/2004", ""}}),
  }};
  const std::vector<SheetChoice> choices = {guessChoice(book.sheets[0]),
                                            guessChoice(book.sheets[1])};
  ASSERT_EQ(choices[1].kind, SheetKind::Matrix);
  const ImportPlan plan = planImport(book, choices, {}, {2026, 12, 8, 10, 30, 0});
  const sheets::Workbook refused = refusedRows(book, choices, plan);
  ASSERT_EQ(refused.sheets.size(), 2u);
  EXPECT_EQ(refused.sheets[0].name, "Courses");
  EXPECT_EQ(
      test::cellsText(refused.sheets[0]),
      (std::vector<std::string>{"Code|Title|Hours|Notes|Reason", "BAD|Bad|-3|x|row 3: hours -3"}));
  EXPECT_EQ(test::cellsText(refused.sheets[1]),
            (std::vector<std::string>{"Name|Course Code|Date|Reason",
                                      "Ann Lee|ZZ|@03/16/2004|row 2: no course with code ZZ",
                                      "Bob|OK|@03/15/2004|row 3: no person named Bob"}));
  // Imported again, the reasons are left aside and the rows read as before.
  EXPECT_EQ(guessChoice(refused.sheets[1]).fields,
            (std::vector<Field>{Field::FullName, Field::CourseCode, Field::Date, Field::None}));
}

}  // namespace
}  // namespace vm::imports
