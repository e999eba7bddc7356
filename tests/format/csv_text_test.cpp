// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/csv_text.h"

#include <gtest/gtest.h>

using namespace vm::format;

TEST(CsvText, CellsAreQuotedOnlyWhenTheyMustBe) {
  const struct {
    const char* cell;
    const char* comma;
    const char* tab;
  } cases[] = {
      {"", "", ""},
      {"Ann Lee", "Ann Lee", "Ann Lee"},
      {"Lee, Ann", "\"Lee, Ann\"", "Lee, Ann"},
      {"a\tb", "a\tb", "\"a\tb\""},
      {"Ann \"Nan\" Lee", "\"Ann \"\"Nan\"\" Lee\"", "\"Ann \"\"Nan\"\" Lee\""},
      {"\"", "\"\"\"\"", "\"\"\"\""},
      {"line one\r\nline two", "\"line one\r\nline two\"", "\"line one\r\nline two\""},
      {"one\ntwo", "\"one\ntwo\"", "\"one\ntwo\""},
      {" Annual Training Hours", "\" Annual Training Hours\"", "\" Annual Training Hours\""},
      {"trailing ", "\"trailing \"", "\"trailing \""},
      {"Zoë Müller", "Zoë Müller", "Zoë Müller"},
      {"=1+2", "'=1+2", "'=1+2"},
      {"=SUM(A1,\"x\")", "\"'=SUM(A1,\"\"x\"\")\"", "\"'=SUM(A1,\"\"x\"\")\""},
      {"\t-1", "'\t-1", "\"'\t-1\""},
      {".5", ".5", ".5"},
      {"03/15/2004", "03/15/2004", "03/15/2004"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(delimitedCell(c.cell, ','), c.comma) << c.cell;
    EXPECT_EQ(delimitedCell(c.cell, '\t'), c.tab) << c.cell;
  }
}

TEST(CsvText, DocumentHasTheMarkTheHeaderAndCrLfRecords) {
  const std::vector<std::string> header = {"Course Code", "Name of Course", "Hours"};
  const std::vector<std::vector<std::string>> rows = {
      {"FA-101", "First Aid, Basic", "8.0"}, {"HDG", "Safety", ""}, {"CPR", "Adult \"CPR\"", ".5"}};
  EXPECT_EQ(csvDocument(header, rows),
            "\xEF\xBB\xBF"
            "Course Code,Name of Course,Hours\r\n"
            "FA-101,\"First Aid, Basic\",8.0\r\n"
            "HDG,Safety,\r\n"
            "CPR,\"Adult \"\"CPR\"\"\",.5\r\n");
  EXPECT_EQ(csvDocument(header, {}),
            "\xEF\xBB\xBF"
            "Course Code,Name of Course,Hours\r\n");
}

TEST(CsvText, ClipboardRowsAreTabSeparatedLines) {
  const std::vector<std::vector<std::string>> rows = {{"Ann Lee", "Lab"}, {"Bob, Jr.", ""}};
  EXPECT_EQ(tabSeparatedText(rows), "Ann Lee\tLab\nBob, Jr.\t\n");
  EXPECT_EQ(tabSeparatedText({}), "");
}

// Numbers are kept only in the columns said to hold them; the header is always text.
TEST(CsvText, EachColumnIsMadeSafeByItsKind) {
  const std::vector<std::string> header = {"-Code", "Hours"};
  const std::vector<std::vector<std::string>> rows = {{"-3", "-2.5"}, {"@x", "=1"}};
  const CellKind kinds[] = {CellKind::Text, CellKind::Number};
  EXPECT_EQ(csvDocument(header, rows, kinds),
            "\xEF\xBB\xBF'-Code,Hours\r\n'-3,-2.5\r\n'@x,'=1\r\n");
  EXPECT_EQ(tabSeparatedText(rows, kinds), "'-3\t-2.5\n'@x\t'=1\n");
  EXPECT_EQ(tabSeparatedText(rows), "'-3\t'-2.5\n'@x\t'=1\n");
}
