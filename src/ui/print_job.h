// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QPrinterInfo>
#include <QString>
#include <functional>

#include "print/print_surface.h"

class QWidget;

namespace vm::ui {

class Dialogs;

struct PrintJobOptions {
  // Leave the window as it is; otherwise it is disabled and shows the busy cursor meanwhile.
  bool keepWindowEnabled = false;
  // Where the printout goes: the default printer unless told otherwise. With no printer
  // (a null one) the user is offered to save the printout as a PDF file instead.
  QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  // The user asked for a PDF file whatever the printer: only its name is asked.
  bool pdfOnly = false;
  // The file name offered for that PDF, in the user's documents folder.
  QString pdfFileName = "Verdimark Printout.pdf";
  // Upright pages, or landscape for a list wider than a page (on the printer and in the PDF).
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// Runs one printout. Chooses the destination as the options say, then runs the body on a
// surface for it, with the window disabled unless told otherwise. A document the body leaves
// open is sent when it returns. When the printer or the file fails, the document is
// abandoned, the window enabled again and the failure reported in a message box.
//
// Returns true when the printout was completed; false when the user declined the PDF or
// the printout failed. Errors other than printing errors are let through, after the
// document has been abandoned and the window enabled.
bool runPrintJob(QWidget* window, Dialogs& dialogs,
                 const std::function<void(print::PrintSurface&)>& body,
                 const PrintJobOptions& options = {});

}  // namespace vm::ui
