// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/matrix_report.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "print/recording_surface.h"

namespace vm::print {
namespace {

using Event = RecordingSurface::Event;

const format::FixedClock kClock({2004, 3, 15, 14, 7, 9});

// A matrix of `persons` rows and `courses` course columns; the person's cell of course c holds
// "P<row>C<col>", so every printed cell tells where it came from.
MatrixReportInput matrix(int persons, int courses) {
  MatrixReportInput in;
  in.windowTitle = " Verdimark - Training Matrix ";
  in.description = {"The below is a list of all active persons",
                    "and the dates of their latest training in the courses under 'First Aid'"};
  in.header.push_back("List of all active persons");
  for (int c = 1; c <= courses; ++c) in.header.push_back("C-" + std::to_string(c));
  for (int p = 1; p <= persons; ++p) {
    std::vector<std::string>& row = in.rows.emplace_back();
    row.push_back("Person " + std::to_string(p));
    for (int c = 1; c <= courses; ++c)
      row.push_back("P" + std::to_string(p) + "C" + std::to_string(c));
  }
  return in;
}

// The printed texts of each page, in order.
std::map<int, std::vector<std::string>> pages(const RecordingSurface& surface) {
  std::map<int, std::vector<std::string>> out;
  for (const auto& e : surface.texts()) out[e.page].push_back(e.text);
  return out;
}

std::string rule() { return std::string(132, '_'); }  // 9.5 inches of 0.072-inch underscores

}  // namespace

// 20 courses on landscape letter: 9, 9 and 2 of them beside the persons; 40 persons take two
// pages for each of the three, the first column on every page.
TEST(MatrixReport, ColumnsThatDoNotFitGoToFurtherPagesWithThePersonsOnEach) {
  RecordingSurface surface(11.0, 8.5);
  PrintMatrixReport(surface, matrix(40, 20), kClock);
  const auto printed = pages(surface);
  ASSERT_EQ(printed.size(), 6u);

  const std::vector<std::string> head = {"Verdimark - Training Matrix",
                                         "Printed on 3/15/2004 2:07:09 PM -- Page 1",
                                         "The below is a list of all active persons",
                                         "and the dates of their latest training in the courses "
                                         "under 'First Aid'",
                                         "Columns 1 to 9 of 20",
                                         "List of all active persons"};
  const std::vector<std::string>& first = printed.at(1);
  EXPECT_EQ(std::vector<std::string>(first.begin(), first.begin() + 6), head);
  EXPECT_EQ(first[6], "C-1");
  EXPECT_EQ(first[14], "C-9");
  EXPECT_EQ(first[15], rule());
  EXPECT_EQ(first[16], "Person 1");
  EXPECT_EQ(first[17], "P1C1");
  EXPECT_EQ(first[25], "P1C9");
  EXPECT_EQ(first[26], "Person 2");
  // 30 persons on the page (the last of them underlined), 10 on the next.
  EXPECT_EQ(first[first.size() - 11], "Person 30");
  EXPECT_EQ(first.back(), rule());
  EXPECT_EQ(printed.at(2)[1], "Printed on 3/15/2004 2:07:09 PM -- Page 2");
  EXPECT_EQ(printed.at(2)[16], "Person 31");

  EXPECT_EQ(printed.at(3)[4], "Columns 10 to 18 of 20");
  EXPECT_EQ(printed.at(3)[6], "C-10");
  EXPECT_EQ(printed.at(3)[16], "Person 1");
  EXPECT_EQ(printed.at(3)[17], "P1C10");
  const std::vector<std::string>& last = printed.at(6);
  EXPECT_EQ(last[4], "Columns 19 to 20 of 20");
  EXPECT_EQ(last[9], "Person 31");
  EXPECT_EQ(last[10], "P31C19");
  EXPECT_EQ(last[11], "P31C20");
  EXPECT_EQ(last.back(), "End of Printout");
  EXPECT_EQ(surface.entries().back().event, Event::EndDocument);

  // Each narrow column at its place, 0.78 inch apart from 2.9 on.
  std::map<std::string, double> x;
  for (const auto& e : surface.texts()) x[e.text] = e.x;
  EXPECT_DOUBLE_EQ(x["Person 1"], 0.5);
  EXPECT_DOUBLE_EQ(x["P1C1"], 2.9);
  EXPECT_NEAR(x["P1C9"], 2.9 + 8 * 0.78, 1e-9);
  EXPECT_EQ(matrixPageEstimate(40, 20), 6);
}

TEST(MatrixReport, LongTextsAreCutToTheirColumnAndAnEmptyListPrintsNothing) {
  MatrixReportInput in = matrix(1, 2);
  in.rows[0][0] = "Bartholomew Maximilian Fitzgerald-Worthington";
  in.rows[0][1] = "03/15/2004";
  in.rows[0][2] = "";
  in.header[2] = "LONGCODE123";
  RecordingSurface surface(11.0, 8.5);
  PrintMatrixReport(surface, in, kClock);
  const std::vector<std::string> page = pages(surface).at(1);
  const std::vector<std::string> body(page.begin() + 5, page.end());
  EXPECT_EQ(body, (std::vector<std::string>{"List of all active persons", "C-1", "LONGCOD...",
                                            rule(), "Bartholomew Maximilian Fitzge...",
                                            "03/15/2004", rule(), "End of Printout"}));

  RecordingSurface empty(11.0, 8.5);
  PrintMatrixReport(empty, matrix(0, 5), kClock);
  EXPECT_TRUE(empty.entries().empty());
}

TEST(MatrixReport, TheColumnsAPageTakesFollowItsWidth) {
  EXPECT_EQ(matrixColumnsPerPage(11.0), 9u);
  EXPECT_EQ(matrixColumnsPerPage(8.5), 5u);
  EXPECT_EQ(matrixColumnsPerPage(4.0), 0u);
  EXPECT_EQ(matrixPageEstimate(0, 0), 1);
  EXPECT_EQ(matrixPageEstimate(27, 9), 1);
  EXPECT_EQ(matrixPageEstimate(28, 10), 4);
}

}  // namespace vm::print
