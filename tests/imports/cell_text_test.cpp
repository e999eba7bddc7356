// SPDX-License-Identifier: GPL-3.0-or-later
#include "imports/cell_text.h"

#include <gtest/gtest.h>

#include "format/automation_date.h"
#include "format/date_text.h"
#include "imports/folded_text.h"

namespace vm::imports {
namespace {

using sheets::Cell;

TEST(CellText, DatesAreReadInTheFormsSheetsHold) {
  struct Case {
    Cell cell;
    DateOrder order;
    std::string date;  // "mm/dd/yyyy[ hh:nn:ss]", empty for none
  };
  const std::vector<Case> cases = {
      {Cell::ofDate(38061), DateOrder::DayFirst, "03/15/2004"},
      {Cell::ofText("03/15/2004"), DateOrder::MonthFirst, "03/15/2004"},
      {Cell::ofText(" 3/5/2004 "), DateOrder::MonthFirst, "03/05/2004"},
      {Cell::ofText("3/5/2004"), DateOrder::DayFirst, "05/03/2004"},
      {Cell::ofText("15.03.2004"), DateOrder::DayFirst, "03/15/2004"},
      {Cell::ofText("15-03-04"), DateOrder::DayFirst, "03/15/2004"},
      {Cell::ofText("03/15/99"), DateOrder::MonthFirst, "03/15/1999"},
      {Cell::ofText("2004-03-15"), DateOrder::DayFirst, "03/15/2004"},
      {Cell::ofText("2004-03-15T10:30:00"), DateOrder::MonthFirst, "03/15/2004 10:30:00"},
      {Cell::ofText("03/15/2004 2:30 pm"), DateOrder::MonthFirst, "03/15/2004 14:30:00"},
      {Cell::ofText("15 Mar 2004"), DateOrder::DayFirst, "03/15/2004"},
      {Cell::ofText("March 15, 2004"), DateOrder::MonthFirst, "03/15/2004"},
      {Cell::ofText("31/31/2004"), DateOrder::DayFirst, ""},
      {Cell::ofText("03/15/2004"), DateOrder::DayFirst, ""},
      {Cell::ofText("02/30/2005"), DateOrder::MonthFirst, ""},
      {Cell::ofText("2004-13-01"), DateOrder::MonthFirst, ""},
      {Cell::ofText("03/15/204"), DateOrder::MonthFirst, ""},
      {Cell::ofText("03/15/2004 25:00"), DateOrder::MonthFirst, ""},
      {Cell::ofText("soon"), DateOrder::MonthFirst, ""},
      {Cell::ofNumber(38061), DateOrder::MonthFirst, ""},
      {Cell{}, DateOrder::MonthFirst, ""},
  };
  for (const Case& c : cases) {
    const auto date = cellDate(c.cell, c.order);
    std::string shown;
    if (date) {
      shown = format::formatDate(*date);
      const format::DateTime t = format::fromAutomationDate(*date);
      if (t.hour || t.minute || t.second) shown += ' ' + format::formatTime(*date);
    }
    EXPECT_EQ(shown, c.date) << c.cell.text;
  }
}

TEST(CellText, TellsWhichOrderATextDateAllows) {
  EXPECT_TRUE(ambiguousDate(Cell::ofText("03/04/2004")));
  EXPECT_FALSE(ambiguousDate(Cell::ofText("04/04/2004")));
  EXPECT_FALSE(ambiguousDate(Cell::ofText("2004-03-04")));
  EXPECT_FALSE(ambiguousDate(Cell::ofDate(38061)));
  EXPECT_EQ(onlyOrder(Cell::ofText("15/03/2004")), DateOrder::DayFirst);
  EXPECT_EQ(onlyOrder(Cell::ofText("03/15/2004")), DateOrder::MonthFirst);
  EXPECT_EQ(onlyOrder(Cell::ofText("03/04/2004")), std::nullopt);
}

TEST(CellText, CellsAsTextsAndNumbers) {
  EXPECT_EQ(cellText(Cell::ofText("\t Ann \r\n")), "Ann");
  EXPECT_EQ(cellText(Cell::ofNumber(1002)), "1002");
  EXPECT_EQ(cellText(Cell::ofNumber(2.5)), "2.5");
  EXPECT_EQ(cellText(Cell::ofDate(38061)), "03/15/2004");
  EXPECT_EQ(cellNumber(Cell::ofText(" 2.5 ")), 2.5);
  EXPECT_EQ(cellNumber(Cell::ofText("2.5 h")), std::nullopt);
  EXPECT_EQ(cellNumber(Cell::ofDate(3)), std::nullopt);
}

TEST(FoldedText, MatchesNamesWhateverTheirCaseAndAccents) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"José  NÚÑEZ ", "jose nunez"}, {"Zoë", "zoe"},     {"ŒUVRE Straße", "oeuvre strasse"},
      {"Šárka Žák", "sarka zak"},     {"Ω x÷y", "Ω x÷y"}, {"\tAnn\nLee", "ann lee"},
  };
  for (const auto& [text, key] : cases) EXPECT_EQ(folded(text), key) << text;
}

}  // namespace
}  // namespace vm::imports
