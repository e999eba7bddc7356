// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "format/clock.h"
#include "print/print_surface.h"

namespace vm::print {

// The printed lists: the five numbered as the print buttons name them, and the renewals list.
enum class ReportKind {
  NameList = 1,
  CourseIndex = 2,
  TrainingHistory = 3,
  SearchResults = 4,
  AnnualSummary = 5,
  Renewals = 6,
};

// What a report needs beyond its grid, for the kinds that describe how their list came about.
struct ReportExtras {
  // Search results: the four criteria as searched (from date, to date, course code, training
  // comments; empty when not given) and whether the persons listed are those whose records
  // match them (or those whose records do not).
  std::array<std::string, 4> criteria;
  bool matching = true;
  // Search results and annual summary: the header of the Name List's first column, such as
  // "List of all active persons".
  std::string nameListHeader;
  // Annual summary: the year as typed, and the total line shown under the results.
  std::string year;
  std::string totalHours;
  // Renewals: what the list holds (the day it is as of, the days counted as due, the courses),
  // printed under the title of the first page.
  std::vector<std::string> renewalsLines;
};

// A report as the window shows it: the title of the window, and the grid's header cells and
// data rows as display texts in the grid's current order. Only the leading columns that the
// kind prints are read (see reportColumnCount); a row may hold more, or fewer (missing cells
// print nothing).
struct ReportInput {
  std::string windowTitle;
  std::vector<std::string> headers;
  std::vector<std::vector<std::string>> rows;
  ReportExtras extras;
};

// How many leading grid columns the kind prints.
int reportColumnCount(ReportKind kind);

// The page count announced before printing: one page per 48 rows, rounded to the nearest
// whole number with halves going to the even neighbour, and at least 1.
int estimatedPages(std::size_t rows);

// Prints the rows as a report of the kind, in Arial 9 point: each page headed by the window
// title and "Printed on <now> -- Page n", the underlined column headings, the rows, a rule
// under the last row of each page, and "End of Printout" (or, for the annual summary, its
// total line) after the last row; the document is then ended. Rows that would run into the
// next column are cut short with "...". A report without rows prints nothing and opens no
// document.
//
// Keeping the window disabled meanwhile is the caller's business; a failing printer arrives
// here as PrintError and is let through with the document still open.
void PrintReport(PrintSurface& surface, ReportKind kind, const ReportInput& input,
                 const format::Clock& clock);

}  // namespace vm::print
