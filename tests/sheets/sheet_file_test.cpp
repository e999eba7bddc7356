// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet files themselves: files that other writers made are read cell for cell, and
// what the program writes reads back the same.
#include "sheets/sheet_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "sheets/cells_text.h"
#include "support/temp_folder.h"

namespace vm::sheets {
namespace {

using Lines = std::vector<std::string>;

std::string fixture(const std::string& name) {
  return std::string(VERDIMARK_TEST_DATA) + "/spreadsheets/" + name;
}

// Trailing empty cells are nobody's business.
Lines trimmed(Lines lines) {
  for (std::string& l : lines)
    while (!l.empty() && l.back() == '|') l.pop_back();
  return lines;
}

TEST(SheetFile, ReadsFilesOtherWritersMade) {
  struct Case {
    std::string file;
    std::size_t sheet;
    std::string name;
    Lines cells;
  };
  const std::vector<Case> cases = {
      {"records.xlsx",
       0,
       "Staff",
       {"First Name|Last Name|Middle Name|Organization|Employee ID", "Ann|Lee||Plant 1|E-1",
        "José|Núñez|María|Plant 2|#1002", "  Bob |Li", "", "Ann|LEE||Plant 1|E-1", "Zoë|Ωmega",
        "Christopher-Maximilian|Lee"}},
      {"records.xlsx",
       1,
       "Courses",
       {"Course Code|Course Name|Provided by|Hours", "FA-2|First Aid|Red Cross|#2.5",
        "cpr|CPR Refresher||4", "SAFE|Safety (heading)||#0", "BAD|Bad hours||#-3"}},
      {"records.xlsx",
       2,
       "Training",
       {"Employee ID|First Name|Last Name|Course Code|Date|Comments",
        "E-1|||FA-2|@03/15/2004|Passed", "#1002|||CPR|@03/15/2005|=SUM(A1)",
        "|bob|li|fa-2|2004-03-16", "|Bob|Li|FA-9|03/15/2004", "E-1|||CPR|31/31/2004",
        "E-1|||SAFE|03/15/2004"}},
      {"matrix.ods",
       0,
       "Training Matrix",
       {"Name|FA-2|CPR|XYZ", "Ann Lee|@03/15/2004",
        "José María Núñez|@03/15/2004|@01/02/2005|01/05/2005", "Nobody Here|@03/15/2004",
        "Persons trained|#3|#1|#1"}},
      {"training.csv",
       0,
       "training",
       {"First Name|Last Name|Course|Date|Hours|Comments",
        "Ann|Lee|FA-2|03/15/2004|2.5|Passed, with merit",
        "Bob|Li|FA-2|2004-03-16|2.5|said \"fine\""}},
      {"semicolons.csv", 0, "semicolons", {"Nom|Prénom|Date", "Núñez|José|15/03/2004"}},
      {"inline.xlsx",
       0,
       "Staff",
       {"First Name|Last Name|Date", "Ann & <Bo>|Lee-Smith|@03/15/2004", "Line\r\nbreak|Shared"}},
      {"inline.xlsx", 1, "Second", {"|B1 only"}},
  };
  for (const Case& c : cases) {
    const Workbook book = readWorkbook(fixture(c.file));
    ASSERT_GT(book.sheets.size(), c.sheet) << c.file;
    EXPECT_EQ(book.sheets[c.sheet].name, c.name) << c.file;
    EXPECT_EQ(trimmed(test::cellsText(book.sheets[c.sheet])), c.cells) << c.file;
  }
}

TEST(SheetFile, WhatItWritesReadsBackTheSame) {
  const test::TempFolder folder;
  const std::string path = (folder / "out.xlsx").string();
  Sheet sheet{"Name List"};
  sheet.rows = {
      {Cell::ofText("Name"), Cell::ofText("Date"), Cell::ofText("Hours")},
      {Cell::ofText("=cmd|' /C calc'!A0"), Cell::ofDate(38061), Cell::ofNumber(2.5)},
      {Cell::ofText("+1"), Cell::ofDate(38061.5), Cell{}, Cell::ofText("-2")},
      {Cell::ofText("@SUM(1)"), Cell::ofDate(2), Cell::ofText("\ttab")},
  };
  writeWorkbook(path, Workbook{{sheet, Sheet{"a/b:c*d?[e]f and a name longer than any"}}});
  EXPECT_FALSE(std::filesystem::exists(path + ".$$$"));
  const Workbook back = readWorkbook(path);
  ASSERT_EQ(back.sheets.size(), 2u);
  EXPECT_EQ(back.sheets[0].name, "Name List");
  EXPECT_EQ(back.sheets[1].name, "a-b-c-d--e-f and a name longer ");
  // Days before March 1900 cannot be date cells: they keep their text.
  EXPECT_EQ(trimmed(test::cellsText(back.sheets[0])),
            (Lines{"Name|Date|Hours", "=cmd|' /C calc'!A0|@03/15/2004|#2.5", "+1|@03/15/2004||-2",
                   "@SUM(1)|01/01/1900|\ttab"}));
  EXPECT_EQ(back.sheets[0].rows[2][1].value, 38061.5);
}

TEST(SheetFile, RefusesWhatIsNoSpreadsheetAndLeavesAFailedWriteUnseen) {
  const test::TempFolder folder;
  folder.write("broken.xlsx", "PK\x03\x04 not really a zip archive");
  EXPECT_THROW(readWorkbook((folder / "broken.xlsx").string()), SheetError);
  EXPECT_THROW(readWorkbook((folder / "missing.xlsx").string()), SheetError);

  folder.write("kept.xlsx", "what was there");
  std::filesystem::create_directory(folder / "kept.xlsx.$$$");  // the staging name is taken
  EXPECT_THROW(writeWorkbook((folder / "kept.xlsx").string(), Workbook{}), SheetError);
  EXPECT_EQ(folder.read("kept.xlsx"), "what was there");
  EXPECT_THROW(writeWorkbook((folder / "no folder" / "x.xlsx").string(), Workbook{}), SheetError);
}

}  // namespace
}  // namespace vm::sheets
