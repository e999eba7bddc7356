// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/date_parse.h"

#include <gtest/gtest.h>

#include "format/automation_date.h"
#include "format/date_text.h"
#include "format/date_time_printer.h"

using namespace vm::format;

namespace {
struct Accepted {
  const char* text;
  DateTime date;
};

void expectAccepted(std::initializer_list<Accepted> cases) {
  for (const auto& c : cases) {
    const auto parsed = parseDate(c.text);
    ASSERT_TRUE(parsed.has_value()) << '"' << c.text << '"';
    EXPECT_EQ(*parsed, c.date) << '"' << c.text << '"';
  }
}
}  // namespace

TEST(DateParse, NumericDatesAreMonthDayYearOrIso) {
  expectAccepted({
      {"03/15/2004", {2004, 3, 15}},
      {"3/5/2004", {2004, 3, 5}},
      {"3-5-2004", {2004, 3, 5}},
      {"3.5.2004", {2004, 3, 5}},
      {"3 5 2004", {2004, 3, 5}},
      {" 03/15/2004 ", {2004, 3, 15}},
      {"3 / 15 / 2004", {2004, 3, 15}},
      {"2004-03-15", {2004, 3, 15}},
      {"2004/3/5", {2004, 3, 5}},
      {"02/29/2004", {2004, 2, 29}},
      {"02/29/2000", {2000, 2, 29}},
      {"12/31/9999", {9999, 12, 31}},
      {"01/01/0100", {100, 1, 1}},
  });
}

TEST(DateParse, TwoDigitYearsPivotAt1930) {
  expectAccepted({
      {"3/15/04", {2004, 3, 15}},
      {"3/15/00", {2000, 3, 15}},
      {"3/15/29", {2029, 3, 15}},
      {"3/15/30", {1930, 3, 15}},
      {"3/15/99", {1999, 3, 15}},
      {"15 Mar 04", {2004, 3, 15}},
  });
}

TEST(DateParse, MonthNamesInAnyCase) {
  expectAccepted({
      {"March 15, 2004", {2004, 3, 15}},
      {"march 15 2004", {2004, 3, 15}},
      {"MAR 15, 2004", {2004, 3, 15}},
      {"Mar. 15, 2004", {2004, 3, 15}},
      {"15 Mar 2004", {2004, 3, 15}},
      {"15-Mar-2004", {2004, 3, 15}},
      {"15 March, 2004", {2004, 3, 15}},
      {"2004-Mar-15", {2004, 3, 15}},
      {"Sept 5, 2004", {2004, 9, 5}},
      {"May 1, 2004", {2004, 5, 1}},
      {"december 31 1999", {1999, 12, 31}},
  });
}

TEST(DateParse, OptionalTimeOfDay) {
  expectAccepted({
      {"03/15/2004 14:30", {2004, 3, 15, 14, 30}},
      {"03/15/2004 2:30 pm", {2004, 3, 15, 14, 30}},
      {"03/15/2004 2:30:15PM", {2004, 3, 15, 14, 30, 15}},
      {"03/15/2004 12:00 am", {2004, 3, 15, 0, 0}},
      {"03/15/2004 12:05 PM", {2004, 3, 15, 12, 5}},
      {"03/15/2004 2 pm", {2004, 3, 15, 14}},
      {"03/15/2004 00:00", {2004, 3, 15}},
      {"March 15, 2004 9:05", {2004, 3, 15, 9, 5}},
      {"2004-03-15 23:59:59", {2004, 3, 15, 23, 59, 59}},
  });
}

TEST(DateParse, RefusesImpossibleDatesAndAnythingElse) {
  for (const char* text : {
           "",
           "   ",
           "abc",
           "2004",
           "14:30",
           "March 2004",
           "3/15",
           // impossible or out of range
           "02/30/2005",
           "13/45/2004",
           "02/29/2005",
           "02/29/1900",
           "00/10/2004",
           "3/0/2004",
           "2004-13-01",
           "Mar 32, 2004",
           "15 Foo 2004",
           "03/15/0050",
           "12/31/10000",
           // day first is not read
           "13/05/2004",
           "15.03.2004",
           // malformed groups and separators
           "03/15/204",
           "03/15/02004",
           "003/15/2004",
           "3/15-2004",
           "3,15,2004",
           "3//15/2004",
           "-3/15/2004",
           "3/15/2004/1",
           "Mär 15 2004",
           // bad times and trailing text
           "03/15/2004 abc",
           "03/15/2004 25:00",
           "03/15/2004 14:60",
           "03/15/2004 14:30 pm",
           "03/15/2004 13 pm",
           "03/15/2004 0:30 am",
           "03/15/2004 14:3",
           "03/15/2004 14",
           "03/15/2004 14:30:15:10",
           "03/15/2004T14:30",
           "03/15/2004 2:30 pm x",
       }) {
    EXPECT_FALSE(parseDate(text).has_value()) << '"' << text << '"';
  }
}

TEST(DateParse, ReadsBackTheProgramsOwnTexts) {
  for (const DateTime t :
       {DateTime{2005, 3, 14, 14, 7, 9}, DateTime{1999, 12, 31, 0, 0, 1},
        DateTime{2004, 2, 29, 12, 0, 0}, DateTime{1850, 6, 1, 23, 59, 59}, DateTime{2010, 1, 1}}) {
    const double stamp = toAutomationDate(t);
    const auto general = parseDate(formatGeneralDateTime(stamp));
    ASSERT_TRUE(general.has_value()) << formatGeneralDateTime(stamp);
    EXPECT_EQ(toAutomationDate(*general), stamp) << formatGeneralDateTime(stamp);
    EXPECT_EQ(parseDate(formatDate(stamp)), (DateTime{t.year, t.month, t.day}));
    EXPECT_EQ(parseDate(formatDateTimeAmPm(stamp)),
              (DateTime{t.year, t.month, t.day, t.hour, t.minute}));
  }
}
