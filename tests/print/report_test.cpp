// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "print/recording_surface.h"
#include "print/report_question.h"

namespace vm::print {
namespace {

using Event = RecordingSurface::Event;
using Lines = std::vector<std::string>;

// At 9 points the recording surface gives 0.072 inch per character and 0.144 inch per line.
constexpr double kChar = 0.072;

const format::FixedClock kClock({2004, 3, 15, 14, 7, 9});
const std::string kPrintedOn = "Printed on 3/15/2004 2:07:09 PM -- Page ";

std::string two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// A report of `count` rows made by `row`, with more cells per row than any kind prints.
ReportInput input(std::vector<std::string> headers, int count,
                  const std::function<std::vector<std::string>(int)>& row) {
  ReportInput in;
  in.windowTitle = "  Verdimark ";
  in.headers = std::move(headers);
  for (int n = 1; n <= count; ++n) in.rows.push_back(row(n));
  in.extras.nameListHeader = "List of all Active Persons";
  return in;
}

ReportInput names(int count) {
  return input({"List of all active persons", "Organization", "DateCreated", "NameSort", "RecNum"},
               count, [](int n) {
                 return std::vector<std::string>{"Person " + two(n), "Dept " + two(n), "38000",
                                                 "Sort", std::to_string(n)};
               });
}

ReportInput courses(int count) {
  return input({"Course Code", "Name of Course", "Provided by", "Hours", "ID", "RecNum"}, count,
               [](int n) {
                 return std::vector<std::string>{
                     "C-" + two(n), "Course " + two(n), "Provider " + two(n), "40.0", "38000", "1"};
               });
}

ReportInput training(int count) {
  return input({"Course Date", "Course Code", "Name of Course", "Provided by", "Hours", "Comments",
                "DateSort", "RecNum"},
               count, [](int n) {
                 return std::vector<std::string>{
                     "03/15/2004", "C-" + two(n),   "Course " + two(n), "Provider " + two(n),
                     "2.5",        "Never printed", "20040315",         "1"};
               });
}

ReportInput searchResults(int count) {
  ReportInput in = names(count);
  in.headers[0] = "Matching List of all active persons";
  in.extras.criteria = {"03/15/2004", "03/15/2004", "FA", ""};
  in.extras.matching = false;
  return in;
}

ReportInput annualSummary(int count) {
  ReportInput in =
      input({"List of Names", " Annual Training Hours", "DateCreated", "SortName", "RecNum"}, count,
            [](int n) {
              return std::vector<std::string>{"Person " + two(n), "12.5", "38000", "Sort", "1"};
            });
  in.extras.year = "2004";
  in.extras.totalHours = "Total Hours: 1250";
  return in;
}

RecordingSurface printed(ReportKind kind, const ReportInput& in) {
  RecordingSurface surface;
  PrintReport(surface, kind, in, kClock);
  return surface;
}

std::string lineOf(const RecordingSurface::Entry& e) {
  char at[32];
  std::snprintf(at, sizeof at, "%.3f %.3f ", e.y, e.x);
  const bool rule = !e.text.empty() && e.text.find_first_not_of('_') == std::string::npos;
  return at + (rule ? std::string("rule") : e.text);
}

// The first `count` pieces of text printed on the page, as "y x text".
Lines pageStart(const RecordingSurface& surface, int page, std::size_t count) {
  Lines lines;
  for (const auto& e : surface.texts())
    if (e.page == page && lines.size() < count) lines.push_back(lineOf(e));
  return lines;
}

int rowsOnPage(const RecordingSurface& surface, int page, const std::string& rowStart) {
  int rows = 0;
  for (const auto& e : surface.texts())
    rows += e.page == page && e.x == 0.5 && e.text.rfind(rowStart, 0) == 0;
  return rows;
}

struct PageCase {
  const char* name;
  ReportKind kind;
  ReportInput in;
  int rowsOnPage1;
  Lines page1;  // from the title to the first row
  Lines page2;
};

TEST(PrintReport, PagesOfEveryKindStartWithTheirHeadsAtTheirPositions) {
  const PageCase cases[] = {
      {"names",
       ReportKind::NameList,
       names(60),
       52,
       {"1.000 0.500 Verdimark", "1.144 0.500 " + kPrintedOn + "1",
        "1.432 0.500 List of all active persons", "1.432 4.000 Organization", "1.432 0.500 rule",
        "1.576 0.500 Person 01", "1.576 4.000 Dept 01"},
       {"1.000 0.500 Verdimark", "1.144 0.500 " + kPrintedOn + "2",
        "1.432 0.500 List of all active persons", "1.432 4.000 Organization", "1.432 0.500 rule",
        "1.576 0.500 Person 53", "1.576 4.000 Dept 53"}},
      {"courses",
       ReportKind::CourseIndex,
       courses(60),
       52,
       {"1.000 0.500 Verdimark", "1.144 0.500 " + kPrintedOn + "1", "1.432 0.500 Course Code",
        "1.432 1.400 Name of Course", "1.432 4.600 Provided by", "1.432 7.150 Hours",
        "1.432 0.500 rule", "1.576 0.500 C-01", "1.576 1.400 Course 01", "1.576 4.600 Provider 01",
        "1.576 7.162 40.0"},
       {"1.000 0.500 Verdimark", "1.144 0.500 " + kPrintedOn + "2", "1.432 0.500 Course Code",
        "1.432 1.400 Name of Course", "1.432 4.600 Provided by", "1.432 7.150 Hours",
        "1.432 0.500 rule", "1.576 0.500 C-53", "1.576 1.400 Course 53", "1.576 4.600 Provider 53",
        "1.576 7.162 40.0"}},
      {"training",
       ReportKind::TrainingHistory,
       training(60),
       52,
       {"1.000 0.500 Verdimark", "1.144 0.500 " + kPrintedOn + "1", "1.432 0.500 Course Date",
        "1.432 1.300 Course Code", "1.432 2.200 Name of Course", "1.432 5.300 Provided by",
        "1.432 7.150 Hours", "1.432 0.500 rule", "1.576 0.500 03/15/2004", "1.576 1.300 C-01",
        "1.576 2.200 Course 01", "1.576 5.300 Provider 01", "1.576 7.234 2.5"},
       {"1.000 0.500 Verdimark", "1.144 0.500 " + kPrintedOn + "2", "1.432 0.500 Course Date",
        "1.432 1.300 Course Code", "1.432 2.200 Name of Course", "1.432 5.300 Provided by",
        "1.432 7.150 Hours", "1.432 0.500 rule", "1.576 0.500 03/15/2004", "1.576 1.300 C-53",
        "1.576 2.200 Course 53", "1.576 5.300 Provider 53", "1.576 7.234 2.5"}},
      // Criteria and description on page 1 only; the labels end at 2.3.
      {"search",
       ReportKind::SearchResults,
       searchResults(60),
       46,
       {"1.000 0.500 Verdimark", "1.144 0.500 " + kPrintedOn + "1",
        "1.432 0.788 Date Range Searched: 03/15/2004 to 03/15/2004",
        "1.576 0.716 Course Code Searched: FA",
        "1.864 0.500 The below is a list of all active persons",
        "2.008 0.500 that have training records that do NOT match the above criteria",
        "2.296 0.500 Matching List of all active persons", "2.296 4.000 Organization",
        "2.296 0.500 rule", "2.440 0.500 Person 01", "2.440 4.000 Dept 01"},
       {"1.000 0.500 Verdimark", "1.144 0.500 " + kPrintedOn + "2",
        "1.432 0.500 Matching List of all active persons", "1.432 4.000 Organization",
        "1.432 0.500 rule", "1.576 0.500 Person 47", "1.576 4.000 Dept 47"}},
      // The description on every page; hours end at 4.3.
      {"summary",
       ReportKind::AnnualSummary,
       annualSummary(60),
       49,
       {"1.000 0.500 Verdimark", "1.144 0.500 " + kPrintedOn + "1",
        "1.432 0.500 The below is a list of all active persons",
        "1.576 0.500 and their total training hours for the year 2004", "1.864 0.500 List of Names",
        "1.864 4.000  Annual Training Hours", "1.864 0.500 rule", "2.008 0.500 Person 01",
        "2.008 4.012 12.5"},
       {"1.000 0.500 Verdimark", "1.144 0.500 " + kPrintedOn + "2",
        "1.432 0.500 The below is a list of all active persons",
        "1.576 0.500 and their total training hours for the year 2004", "1.864 0.500 List of Names",
        "1.864 4.000  Annual Training Hours", "1.864 0.500 rule", "2.008 0.500 Person 50",
        "2.008 4.012 12.5"}},
  };
  for (const PageCase& c : cases) {
    SCOPED_TRACE(c.name);
    const RecordingSurface surface = printed(c.kind, c.in);
    EXPECT_EQ(pageStart(surface, 1, c.page1.size()), c.page1);
    EXPECT_EQ(pageStart(surface, 2, c.page2.size()), c.page2);
    EXPECT_EQ(rowsOnPage(surface, 1, "Person ") + rowsOnPage(surface, 1, "C-") +
                  rowsOnPage(surface, 1, "03/15/2004"),
              c.rowsOnPage1);
    for (const auto& e : surface.texts()) {
      EXPECT_EQ(e.font, (FontSpec{"Arial", 9.0})) << e.text;
      ASSERT_EQ(e.text.find("Never printed"), std::string::npos);
    }
  }
}

TEST(PrintReport, PagesEndWithTheirLastRowUnderlinedAndTheReportWithItsClosingLine) {
  struct Case {
    ReportKind kind;
    ReportInput in;
    std::vector<Lines> ends;  // the last three pieces of each page
  };
  const Case cases[] = {
      {ReportKind::NameList,
       names(1),
       {{"1.576 4.000 Dept 01", "1.576 0.500 rule", "1.720 0.500 End of Printout"}}},
      {ReportKind::NameList,
       names(60),
       {{"8.920 0.500 Person 52", "8.920 4.000 Dept 52", "8.920 0.500 rule"},
        {"2.584 4.000 Dept 60", "2.584 0.500 rule", "2.728 0.500 End of Printout"}}},
      {ReportKind::SearchResults,
       searchResults(60),
       {{"8.920 0.500 Person 46", "8.920 4.000 Dept 46", "8.920 0.500 rule"},
        {"3.448 4.000 Dept 60", "3.448 0.500 rule", "3.592 0.500 End of Printout"}}},
      {ReportKind::AnnualSummary,
       annualSummary(60),
       {{"8.920 0.500 Person 49", "8.920 4.012 12.5", "8.920 0.500 rule"},
        {"3.448 4.012 12.5", "3.448 0.500 rule", "3.592 0.500 Total Hours: 1250"}}},
  };
  for (const Case& c : cases) {
    const RecordingSurface surface = printed(c.kind, c.in);
    const auto& e = surface.entries();
    std::vector<Lines> ends;
    for (std::size_t i = 3; i < e.size(); ++i)
      if (e[i].event != Event::Text)
        ends.push_back({lineOf(e[i - 3]), lineOf(e[i - 2]), lineOf(e[i - 1])});
    EXPECT_EQ(ends, c.ends);
    EXPECT_EQ(e.back().event, Event::EndDocument);
  }
}

TEST(PrintReport, SearchCriteriaPrintOnlyTheBoxesThatHoldText) {
  struct Case {
    std::array<std::string, 4> criteria;
    bool matching;
    Lines expected;  // the lines between the Printed on line and the description
  };
  const Case cases[] = {
      {{"", "", "FA-1", ""}, true, {"0.716 Course Code Searched: FA-1"}},
      {{"03/15/2004", "03/15/2004", "", ""},
       true,
       {"0.788 Date Range Searched: 03/15/2004 to 03/15/2004"}},
      {{"01/01/2004", "12/31/2004", "", "cpr"},
       true,
       {"0.788 Date Range Searched: 01/01/2004 to 12/31/2004",
        "0.284 Training Comments Searched: cpr"}},
      {{"", "", "  ", "cpr"}, false, {"0.284 Training Comments Searched: cpr"}},
  };
  for (const Case& c : cases) {
    ReportInput in = searchResults(3);
    in.extras.criteria = c.criteria;
    in.extras.matching = c.matching;
    Lines between;
    std::string description;
    for (const auto& e : printed(ReportKind::SearchResults, in).texts()) {
      if (e.text.find("Searched: ") != std::string::npos) between.push_back(lineOf(e).substr(6));
      if (e.text.rfind("that have", 0) == 0) description = e.text;
    }
    EXPECT_EQ(between, c.expected);
    EXPECT_EQ(description, c.matching
                               ? "that have training records that match the above criteria"
                               : "that have training records that do NOT match the above criteria");
  }
}

TEST(PrintReport, HoursPrintWithOneDecimalEndingAtTheirColumn) {
  struct Case {
    ReportKind kind;
    int column;
    std::string cell;
    std::string printed;  // empty: nothing printed
    double end;
  };
  const Case cases[] = {
      {ReportKind::CourseIndex, 3, "40.0", "40.0", 7.45},
      {ReportKind::CourseIndex, 3, ".5", ".5", 7.45},
      {ReportKind::CourseIndex, 3, "", "", 0},  // a category heading
      {ReportKind::TrainingHistory, 4, "40.0", "40.0", 7.45},
      {ReportKind::AnnualSummary, 1, "40", "40.0", 4.3},
      {ReportKind::AnnualSummary, 1, "0.5", ".5", 4.3},
      {ReportKind::AnnualSummary, 1, "12.25", "12.3", 4.3},
  };
  for (const Case& c : cases) {
    ReportInput in = c.kind == ReportKind::CourseIndex       ? courses(1)
                     : c.kind == ReportKind::TrainingHistory ? training(1)
                                                             : annualSummary(1);
    in.rows[0][c.column] = c.cell;
    const RecordingSurface surface = printed(c.kind, in);
    const auto texts = surface.texts();
    const double rowY = std::find_if(texts.begin(), texts.end(), [](const auto& e) {
                          return e.text == "C-01" || e.text == "Person 01";
                        })->y;
    std::vector<RecordingSurface::Entry> hours;
    for (const auto& e : texts)
      if (e.y == rowY && e.x > 3.9 && e.text.find("Provider") == std::string::npos)
        hours.push_back(e);
    if (c.printed.empty()) {
      EXPECT_TRUE(hours.empty()) << c.cell;
      continue;
    }
    ASSERT_EQ(hours.size(), 1u) << c.cell;
    EXPECT_EQ(hours[0].text, c.printed);
    EXPECT_NEAR(hours[0].x + c.printed.size() * kChar, c.end, 1e-9);
  }
}

TEST(PrintReport, ACellTooLongForItsColumnIsCutShortBeforeTheNextOne) {
  ReportInput in = courses(1);
  in.rows[0][1] = std::string(60, 'W');  // 4.32 inches from 1.4, where 3.2 are free
  in.rows[0][2] = "Provider";
  const auto texts = printed(ReportKind::CourseIndex, in).texts();
  const auto name = std::find_if(texts.begin(), texts.end(),
                                 [](const auto& e) { return e.text.rfind("WWW", 0) == 0; });
  ASSERT_NE(name, texts.end());
  EXPECT_EQ(name->text, std::string(41, 'W') + "...");
  EXPECT_LE(name->x + name->text.size() * kChar, 4.6);
}

TEST(PrintReport, AnEmptyGridOpensNoDocument) {
  const RecordingSurface surface = printed(ReportKind::NameList, names(0));
  EXPECT_TRUE(surface.entries().empty());
}

TEST(PrintReport, PageEstimateRoundsHalvesToTheEvenNeighbourAndIsAtLeastOne) {
  const std::pair<std::size_t, int> cases[] = {{0, 1},   {10, 1},     {24, 1},  {25, 1},
                                               {72, 2},  {100, 2},    {120, 2}, {168, 4},
                                               {216, 4}, {32767, 683}};
  for (const auto& [rows, pages] : cases) EXPECT_EQ(estimatedPages(rows), pages) << rows;
  EXPECT_EQ(reportQuestionText(120),
            "This printout will consist\nof about 2 page(s).\n\nAre you ready to print?");
}

TEST(PrintReport, RenewalsSayWhatTheListHoldsOnTheFirstPageAndPrintSixColumns) {
  ReportInput in;
  in.windowTitle = "Verdimark - Renewals";
  in.headers = {"Name", "Course Code", "Name of Course", "Last Trained", "Lapses", "Status"};
  for (int i = 0; i < 60; ++i)
    in.rows.push_back({"Person " + std::to_string(i), "S-FIRE", "Fire Drill", "12/08/2025",
                       "12/08/2026", "Expired"});
  in.extras.renewalsLines = {"Trainings expired, or due within 30 days, as of 12/08/2026",
                             "All courses with a renewal period"};
  const RecordingSurface surface = printed(ReportKind::Renewals, in);
  EXPECT_EQ(
      pageStart(surface, 1, 11),
      (Lines{"1.000 0.500 Verdimark - Renewals", "1.144 0.500 " + kPrintedOn + "1",
             "1.432 0.500 Trainings expired, or due within 30 days, as of 12/08/2026",
             "1.576 0.500 All courses with a renewal period", "1.864 0.500 Name",
             "1.864 2.100 Course Code", "1.864 3.000 Name of Course", "1.864 4.850 Last Trained",
             "1.864 5.850 Lapses", "1.864 6.750 Status", "1.864 0.500 rule"}));
  EXPECT_EQ(pageStart(surface, 2, 3),
            (Lines{"1.000 0.500 Verdimark - Renewals", "1.144 0.500 " + kPrintedOn + "2",
                   "1.432 0.500 Name"}));
  EXPECT_EQ(reportQuestionTitle(ReportKind::Renewals), "Print the Renewals List?");
  EXPECT_EQ(reportListName(ReportKind::Renewals), "Renewals List");
}

}  // namespace
}  // namespace vm::print
