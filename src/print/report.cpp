// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/report.h"

#include <span>

#include "format/number_parse.h"
#include "format/number_text.h"
#include "format/text_case.h"
#include "format/trim.h"
#include "print/print_rule.h"
#include "print/report_page.h"

namespace vm::print {
namespace {

// The page geometry of a report, in inches.
constexpr double kLeft = kReportLeft;
constexpr double kTop = kReportTop;  // first line of every page
constexpr double kPageEnd = 8.8;     // a page ends after the first row printed below this
constexpr double kRuleEnd = 7.5;     // rules run from kLeft to here
constexpr double kLabelEnd = 2.3;    // the search criteria labels end here
constexpr double kColumnGap = 0.05;  // the least room between a cell and the next one

// A printed column: its heading starts at x; its body values start there too, unless they are
// hours, which are printed "###.0" and end at hoursRight.
struct Column {
  double x;
  double hoursRight = 0.0;
};

std::span<const Column> columnsOf(ReportKind kind) {
  static constexpr Column kNames[] = {{0.5}, {4.0}};
  static constexpr Column kCourses[] = {{0.5}, {1.4}, {4.6}, {7.15, 7.45}};
  static constexpr Column kTraining[] = {{0.5}, {1.3}, {2.2}, {5.3}, {7.15, 7.45}};
  static constexpr Column kSummary[] = {{0.5}, {4.0, 4.3}};
  // Name, course code, name of course, last trained, lapses, status.
  static constexpr Column kRenewals[] = {{0.5}, {2.1}, {3.0}, {4.85}, {5.85}, {6.75}};
  switch (kind) {
    case ReportKind::NameList:
    case ReportKind::SearchResults:
      return kNames;
    case ReportKind::CourseIndex:
      return kCourses;
    case ReportKind::TrainingHistory:
      return kTraining;
    case ReportKind::AnnualSummary:
      return kSummary;
    case ReportKind::Renewals:
      return kRenewals;
  }
  return kNames;
}

// One cell of a printed line, where it starts.
struct Placed {
  double x = 0.0;
  std::string text;
};

class ReportPrinter {
 public:
  ReportPrinter(PrintSurface& surface, ReportKind kind, const ReportInput& input,
                const format::Clock& clock)
      : surface_(surface), kind_(kind), input_(input), clock_(clock), columns_(columnsOf(kind)) {
    line_.resize(columns_.size());
  }

  void run() {
    const std::size_t count = input_.rows.size();
    for (std::size_t r = 0; r < count; ++r) {
      if (surface_.currentY() < kTop) printPageHead();
      surface_.setCurrentX(kLeft);
      printCells(input_.rows[r], false);
      const bool last = r + 1 == count;
      if (surface_.currentY() > kPageEnd || last) {
        PrintRule(surface_, kLeft, kRuleEnd);
        if (!last) surface_.newPage();
      } else {
        surface_.endLine();
      }
    }
    printLine(kLeft, kind_ == ReportKind::AnnualSummary ? input_.extras.totalHours
                                                        : std::string("End of Printout"));
    surface_.endDocument();
  }

 private:
  void printLine(double x, const std::string& text) {
    surface_.setCurrentX(x);
    surface_.print(text);
    surface_.endLine();
  }

  void printPageHead() {
    printPageTitle(surface_, input_.windowTitle, clock_);
    const ReportExtras& extras = input_.extras;
    const std::string listed = format::lowerCase(extras.nameListHeader);
    if (kind_ == ReportKind::SearchResults && surface_.page() == 1) {
      surface_.endLine();
      const auto& c = extras.criteria;
      if (holdsText(c[0])) printCriterion("Date Range Searched: ", c[0] + " to " + c[1]);
      if (holdsText(c[2])) printCriterion("Course Code Searched: ", c[2]);
      if (holdsText(c[3])) printCriterion("Training Comments Searched: ", c[3]);
      surface_.endLine();
      printLine(kLeft, "The below is a " + listed);
      printLine(kLeft, std::string("that have training records that ") +
                           (extras.matching ? "" : "do NOT ") + "match the above criteria");
    }
    if (kind_ == ReportKind::AnnualSummary) {
      surface_.endLine();
      printLine(kLeft, "The below is a " + listed);
      printLine(kLeft, "and their total training hours for the year " + extras.year);
    }
    if (kind_ == ReportKind::Renewals && surface_.page() == 1) {
      surface_.endLine();
      for (const std::string& line : extras.renewalsLines) printLine(kLeft, line);
    }
    surface_.endLine();
    surface_.setCurrentX(kLeft);
    printCells(input_.headers, true);
    PrintRule(surface_, kLeft, kRuleEnd);
  }

  static bool holdsText(const std::string& text) { return !format::trimView(text).empty(); }

  void printCriterion(const std::string& label, const std::string& value) {
    printLine(kLabelEnd - surface_.textWidth(label), label + value);
  }

  // Prints the cells at their columns on the current line without ending it. A cell that
  // would run into the next printed cell is cut short.
  void printCells(const std::vector<std::string>& cells, bool headings) {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      const Column& column = columns_[i];
      Placed& placed = line_[i];
      const std::string_view cell = i < cells.size() ? std::string_view(cells[i]) : "";
      if (!headings && column.hoursRight > 0.0) {
        placed.text = format::trimView(cell).empty()
                          ? std::string()
                          : format::formatOneDecimal(format::leadingNumber(cell));
        placed.x = column.hoursRight - surface_.textWidth(placed.text);
      } else {
        placed.text = cell;
        placed.x = column.x;
      }
    }
    const Placed* next = nullptr;
    for (std::size_t i = columns_.size(); i-- > 0;) {
      Placed& placed = line_[i];
      if (placed.text.empty()) continue;
      if (next) {
        const double room = next->x - placed.x;
        if (surface_.textWidth(placed.text) > room)
          placed.text = shortenedToFit(surface_, placed.text, room);
      }
      next = &placed;
    }
    for (const Placed& placed : line_) {
      if (placed.text.empty()) continue;
      surface_.setCurrentX(placed.x);
      surface_.print(placed.text);
    }
  }

  PrintSurface& surface_;
  ReportKind kind_;
  const ReportInput& input_;
  const format::Clock& clock_;
  std::span<const Column> columns_;
  std::vector<Placed> line_;
};

}  // namespace

int reportColumnCount(ReportKind kind) { return static_cast<int>(columnsOf(kind).size()); }

int estimatedPages(std::size_t rows) {
  std::size_t pages = rows / 48;
  const std::size_t rest = rows % 48;
  if (rest > 24 || (rest == 24 && pages % 2 == 1)) ++pages;
  return pages < 1 ? 1 : static_cast<int>(pages);
}

void PrintReport(PrintSurface& surface, ReportKind kind, const ReportInput& input,
                 const format::Clock& clock) {
  if (input.rows.empty()) return;
  surface.setFont(reportFont());
  ReportPrinter(surface, kind, input, clock).run();
}

}  // namespace vm::print
