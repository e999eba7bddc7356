// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid_report.h"

#include <QWidget>
#include <algorithm>

#include "print/report_question.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/dialogs.h"
#include "ui/grid/grid.h"
#include "ui/print_job.h"

namespace vm::ui {

print::ReportInput reportInputOf(print::ReportKind kind, const Grid& grid, const QWidget& window,
                                 const print::ReportExtras& extras) {
  print::ReportInput input;
  input.windowTitle = window.windowTitle().toStdString();
  const int columns = std::min(print::reportColumnCount(kind), grid.cols());
  for (int c = 0; c < columns; ++c) input.headers.push_back(grid.headerText(c).toStdString());
  input.rows.reserve(static_cast<std::size_t>(grid.rows()));
  for (int r = 1; r <= grid.rows(); ++r) {
    std::vector<std::string>& cells = input.rows.emplace_back();
    cells.reserve(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c) cells.push_back(grid.text(r, c).toStdString());
  }
  input.extras = extras;
  return input;
}

bool printGridReport(AppState& state, print::ReportKind kind, const Grid& grid, QWidget* window,
                     const print::ReportExtras& extras) {
  if (grid.rows() == 0) return false;
  QWidget* top = window->window();
  Message question = makeMessage(
      QString::fromStdString(print::reportQuestionTitle(kind)),
      QString::fromStdString(print::reportQuestionText(static_cast<std::size_t>(grid.rows()))),
      MessageIcon::None, MessageButtons::YesNo);
  question.otherButton = QStringLiteral("Save as &PDF...");
  const Answer answer = state.dialogs.message(top, question);
  if (answer != Answer::Yes && answer != Answer::Other) return false;

  PrintJobOptions options;
  options.printer = state.defaultPrinter();
  options.pdfOnly = answer == Answer::Other;
  options.pdfFileName =
      applicationTitle() + " " + QString::fromStdString(print::reportListName(kind)) + ".pdf";
  return runPrintJob(
      top, state.dialogs,
      [&](print::PrintSurface& surface) {
        print::PrintReport(surface, kind, reportInputOf(kind, grid, *top, extras), state.clock);
      },
      options);
}

}  // namespace vm::ui
