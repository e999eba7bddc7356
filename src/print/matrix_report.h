// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "format/clock.h"
#include "print/print_surface.h"

namespace vm::print {

// A list wider than a page, as the training matrix is: a first column (the persons) and many
// narrow ones (the courses). Its texts as the window shows them.
struct MatrixReportInput {
  std::string windowTitle;
  // Lines under the page head of every page, telling what the list holds.
  std::vector<std::string> description;
  // The first column's heading, then one per narrow column.
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};

// How many narrow columns fit beside the first one on paper of this width, in inches.
std::size_t matrixColumnsPerPage(double paperWidth);

// The pages announced before printing, on landscape letter paper.
int matrixPageEstimate(std::size_t rows, std::size_t narrowColumns);

// Prints the list on the pages of the surface (meant for landscape paper) as the reports print:
// Arial 9 point, each page headed by the window title and "Printed on <now> -- Page n", then the
// description, the line "Columns a to b of n" naming the narrow columns the page holds, and the
// underlined headings; a rule under the last row of each page and "End of Printout" at the end.
// The narrow columns that do not fit go to further pages: all rows with the first columns that
// fit, then all rows again with the next ones, the first column on every page. Texts too long for
// their column are cut short with "...". A list without rows prints nothing.
void PrintMatrixReport(PrintSurface& surface, const MatrixReportInput& input,
                       const format::Clock& clock);

}  // namespace vm::print
