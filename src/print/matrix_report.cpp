// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/matrix_report.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "print/print_rule.h"
#include "print/report_page.h"

namespace vm::print {
namespace {

// The geometry of a wide list, in inches: as the reports, it starts at kReportLeft and
// kReportTop; its rules end 1.0 short of the paper's right edge, and a page ends after the first
// row printed lower than 2.2 above the paper's bottom edge (on portrait letter paper, as the
// reports: rules to 7.5, pages ending at 8.8).
constexpr double kLeft = kReportLeft;
constexpr double kRightRoom = 1.0;
constexpr double kBottomRoom = 2.2;
// The first column, and the narrow ones beside it: a date "mm/dd/yyyy" or a course code each.
constexpr double kNarrowStart = 2.9;
constexpr double kNarrowWidth = 0.78;
constexpr double kColumnGap = 0.05;
// Landscape letter, for the estimate: about as many rows as fit under a page head.
constexpr double kLandscapeWidth = 11.0;
constexpr std::size_t kRowsPerPage = 27;

// The text as it fits the room, cut short with "..." when it does not.
std::string fitted(const PrintSurface& surface, std::string_view text, double room) {
  return surface.textWidth(text) <= room ? std::string(text) : shortenedToFit(surface, text, room);
}

class MatrixPrinter {
 public:
  MatrixPrinter(PrintSurface& surface, const MatrixReportInput& input, const format::Clock& clock)
      : surface_(surface),
        input_(input),
        clock_(clock),
        narrow_(input.header.empty() ? 0 : input.header.size() - 1),
        perPage_(std::max<std::size_t>(1, matrixColumnsPerPage(surface.paperWidth()))),
        ruleEnd_(surface.paperWidth() - kRightRoom),
        pageEnd_(surface.paperHeight() - kBottomRoom) {}

  void run() {
    for (std::size_t first = 0; first == 0 || first < narrow_; first += perPage_) {
      const std::size_t count = std::min(perPage_, narrow_ - std::min(first, narrow_));
      printBand(first, count);
      if (first + perPage_ >= narrow_) break;
      surface_.newPage();
    }
    printLine(kLeft, "End of Printout");
    surface_.endDocument();
  }

 private:
  // Every row, with the narrow columns first..first + count - 1 beside the first column.
  void printBand(std::size_t first, std::size_t count) {
    const std::size_t rows = input_.rows.size();
    for (std::size_t r = 0; r < rows; ++r) {
      if (surface_.currentY() < kReportTop) printPageHead(first, count);
      printCells(input_.rows[r], first, count);
      const bool last = r + 1 == rows;
      if (surface_.currentY() > pageEnd_ || last) {
        PrintRule(surface_, kLeft, ruleEnd_);
        if (!last) surface_.newPage();
      } else {
        surface_.endLine();
      }
    }
  }

  void printLine(double x, const std::string& text) {
    surface_.setCurrentX(x);
    surface_.print(text);
    surface_.endLine();
  }

  void printPageHead(std::size_t first, std::size_t count) {
    printPageTitle(surface_, input_.windowTitle, clock_);
    surface_.endLine();
    for (const std::string& line : input_.description) printLine(kLeft, line);
    if (narrow_ > 0)
      printLine(kLeft, "Columns " + std::to_string(first + 1) + " to " +
                           std::to_string(first + count) + " of " + std::to_string(narrow_));
    surface_.endLine();
    printCells(input_.header, first, count);
    PrintRule(surface_, kLeft, ruleEnd_);
  }

  // The first cell and the band's narrow cells on the current line, without ending it.
  void printCells(const std::vector<std::string>& cells, std::size_t first, std::size_t count) {
    const auto cell = [&](std::size_t i) -> std::string_view {
      return i < cells.size() ? std::string_view(cells[i]) : std::string_view();
    };
    place(kLeft, cell(0), kNarrowStart - kLeft - kColumnGap);
    for (std::size_t i = 0; i < count; ++i)
      place(kNarrowStart + static_cast<double>(i) * kNarrowWidth, cell(first + 1 + i),
            kNarrowWidth - kColumnGap);
  }

  void place(double x, std::string_view text, double room) {
    if (text.empty()) return;
    surface_.setCurrentX(x);
    surface_.print(fitted(surface_, text, room));
  }

  PrintSurface& surface_;
  const MatrixReportInput& input_;
  const format::Clock& clock_;
  std::size_t narrow_;
  std::size_t perPage_;
  double ruleEnd_;
  double pageEnd_;
};

}  // namespace

std::size_t matrixColumnsPerPage(double paperWidth) {
  const double room = paperWidth - kRightRoom - kNarrowStart;
  return room < kNarrowWidth ? 0 : static_cast<std::size_t>(std::floor(room / kNarrowWidth + 1e-9));
}

int matrixPageEstimate(std::size_t rows, std::size_t narrowColumns) {
  const std::size_t perPage = matrixColumnsPerPage(kLandscapeWidth);
  const std::size_t bands = std::max<std::size_t>(1, (narrowColumns + perPage - 1) / perPage);
  const std::size_t pages = std::max<std::size_t>(1, (rows + kRowsPerPage - 1) / kRowsPerPage);
  return static_cast<int>(bands * pages);
}

void PrintMatrixReport(PrintSurface& surface, const MatrixReportInput& input,
                       const format::Clock& clock) {
  if (input.rows.empty()) return;
  surface.setFont(reportFont());
  MatrixPrinter(surface, input, clock).run();
}

}  // namespace vm::print
