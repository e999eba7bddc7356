// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/exported_cell.h"

#include <gtest/gtest.h>

using namespace vm::format;

// What a person may type into a record, and the cell that leaves the program for it: nothing a
// spreadsheet would run, while the program's own numbers and dates stay what they are.
TEST(ExportedCell, TextsThatWouldRunAsFormulasAreWrittenAsTextsAndNumbersStayNumbers) {
  constexpr auto T = CellKind::Text;
  constexpr auto N = CellKind::Number;
  const struct {
    const char* text;
    CellKind kind;
    const char* written;
  } cases[] = {
      {"=HYPERLINK(\"http://x.example\",\"Open\")", T,
       "'=HYPERLINK(\"http://x.example\",\"Open\")"},
      {"=cmd|' /C calc'!A0", T, "'=cmd|' /C calc'!A0"},
      {"+1+1", T, "'+1+1"},
      {"-3", T, "'-3"},  // an employee ID that looks like a number is still a text
      {"@SUM(A1:A9)", T, "'@SUM(A1:A9)"},
      {"\t=1+1", T, "'\t=1+1"},
      {"\r=1+1", T, "'\r=1+1"},
      {"=", T, "'="},
      {"a=1", T, "a=1"},
      {" =1+1", T, " =1+1"},
      {"'quoted", T, "'quoted"},
      {"", T, ""},
      {"03/15/2024", T, "03/15/2024"},
      {"Zoë = Zoe", T, "Zoë = Zoe"},
      {"-2.5", N, "-2.5"},
      {"+4", N, "+4"},
      {"8", N, "8"},
      {".5", N, ".5"},
      {"03/15/2024", N, "03/15/2024"},  // a date in a column of numbers and dates
      {"", N, ""},
      {"-3 hours", N, "'-3 hours"},
      {"- 3", N, "'- 3"},
      {"-3\t", N, "'-3\t"},
      {"=2+2", N, "'=2+2"},
      {"-1e999", N, "'-1e999"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(exportedCell(c.text, c.kind), c.written);
    EXPECT_EQ(takesApostrophe(c.text, c.kind), std::string_view(c.written) != c.text);
  }
}
