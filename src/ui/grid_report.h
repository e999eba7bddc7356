// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/report.h"

class QWidget;

namespace vm::ui {

struct AppState;
class Grid;

// The grid as the report engine reads it: the title of the window, and the header and data
// rows of the columns the kind prints, as the grid shows them and in its current order.
print::ReportInput reportInputOf(print::ReportKind kind, const Grid& grid, const QWidget& window,
                                 const print::ReportExtras& extras = {});

// What every print button does. Asks the page-count question titled after the list, with a
// further "Save as PDF..." button; on Yes prints the grid as a report of the kind on the
// default printer (or, when there is none, offers a PDF file), on "Save as PDF..." asks for the
// PDF file at once. The window's title heads every page; the window is disabled with the busy
// cursor while the report is produced. A failing printer or file is reported and the document
// abandoned. A grid without data rows asks nothing and prints nothing.
//
// Returns true when the report was completed.
bool printGridReport(AppState& state, print::ReportKind kind, const Grid& grid, QWidget* window,
                     const print::ReportExtras& extras = {});

}  // namespace vm::ui
