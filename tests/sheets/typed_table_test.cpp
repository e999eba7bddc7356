// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/typed_table.h"

#include <gtest/gtest.h>

#include "sheets/cells_text.h"

namespace vm::sheets {
namespace {

TEST(TypedTable, ListTextsBecomeWhatTheyShow) {
  const Sheet sheet = typedSheet("Course Index", {"Code", "Course", "Hours", "Date"},
                                 {{"007", "First Aid", "2.5", "03/15/2004"},
                                  {"12", "02/30/2004", ".5", "3/15/2004"},
                                  {"=1+1", "", "40.0 h", "03/15/2004 10:00"},
                                  {"1e2", "Persons trained", "-3", "12"}},
                                 {false, false, true, true});
  EXPECT_EQ(
      test::cellsText(sheet),
      (std::vector<std::string>{"Code|Course|Hours|Date", "007|First Aid|#2.5|@03/15/2004",
                                "12|02/30/2004|#0.5|3/15/2004", "=1+1||40.0 h|03/15/2004 10:00",
                                "1e2|Persons trained|#-3|#12"}));
  EXPECT_EQ(sheet.rows[1][0].kind, Cell::Kind::Text);
}

}  // namespace
}  // namespace vm::sheets
