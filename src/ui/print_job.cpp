// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print_job.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>
#include <memory>
#include <optional>

#include "print/qt/qt_print_surface.h"
#include "ui/busy_cursor.h"
#include "ui/dialogs.h"

namespace vm::ui {
namespace {

using print::PrintError;
using print::PrintSurface;
using print::QtPrintSurface;

// The device a printout goes to, with the surface over it.
struct Destination {
  std::unique_ptr<QPrinter> printer;
  std::unique_ptr<QPdfWriter> pdf;
  std::unique_ptr<QtPrintSurface> surface;
};

// Without a printer the printout is offered as a PDF file.
bool pdfAccepted(QWidget* window, Dialogs& dialogs) {
  return dialogs.message(window, makeMessage("No Printer Available",
                                             "There is no printer set up on this computer.\n"
                                             "\n"
                                             "Would you like to save this printout\n"
                                             "as a PDF file instead?",
                                             MessageIcon::Question, MessageButtons::YesNo,
                                             Answer::Yes)) == Answer::Yes;
}

// Where the PDF file goes; empty when the user cancels.
QString askForPdfFile(QWidget* window, Dialogs& dialogs, const QString& suggestedName) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QString file = dialogs.saveFileName(window, "Save the Printout as a PDF File",
                                      QDir(folder).filePath(suggestedName), "PDF files (*.pdf)");
  if (!file.isEmpty() && !file.endsWith(".pdf", Qt::CaseInsensitive)) file += ".pdf";
  return file;
}

std::unique_ptr<Destination> chooseDestination(QWidget* window, Dialogs& dialogs,
                                               const PrintJobOptions& options) {
  auto destination = std::make_unique<Destination>();
  if (!options.pdfOnly && !options.printer.isNull()) {
    destination->printer = std::make_unique<QPrinter>(options.printer, QPrinter::HighResolution);
    destination->printer->setDocName("Verdimark");
    destination->printer->setPageOrientation(options.orientation);
    destination->surface = std::make_unique<QtPrintSurface>(*destination->printer);
    return destination;
  }
  if (!options.pdfOnly && !pdfAccepted(window, dialogs)) return nullptr;
  const QString file = askForPdfFile(window, dialogs, options.pdfFileName);
  if (file.isEmpty()) return nullptr;
  destination->pdf = std::make_unique<QPdfWriter>(file);
  // Letter paper. A file has no edge that cannot be printed on, so its printable origin is the
  // sheet's corner and every position in it is the layout's own, in inches from that corner.
  destination->pdf->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), options.orientation,
                                              QMarginsF(0, 0, 0, 0), QPageLayout::Inch));
  destination->pdf->setCreator("Verdimark");
  destination->pdf->setTitle(QFileInfo(file).completeBaseName());
  destination->surface = std::make_unique<QtPrintSurface>(*destination->pdf, file);
  return destination;
}

void reportFailure(QWidget* window, Dialogs& dialogs, const PrintError& error) {
  dialogs.message(window, makeMessage("Printing Problem",
                                      "The printout could not be completed:\n"
                                      "\n" +
                                          QString::fromStdString(error.what()) +
                                          "\n"
                                          "\n"
                                          "The printout has been cancelled.",
                                      MessageIcon::Critical));
}

}  // namespace

bool runPrintJob(QWidget* window, Dialogs& dialogs, const std::function<void(PrintSurface&)>& body,
                 const PrintJobOptions& options) {
  const std::unique_ptr<Destination> destination = chooseDestination(window, dialogs, options);
  if (!destination) return false;
  PrintSurface& surface = *destination->surface;

  std::optional<BusyCursor> busy;
  if (!options.keepWindowEnabled) busy.emplace(window);
  try {
    body(surface);
    surface.endDocument();
  } catch (const PrintError& error) {
    surface.abandonDocument();
    busy.reset();  // the window takes the report
    reportFailure(window, dialogs, error);
    return false;
  } catch (...) {
    surface.abandonDocument();
    throw;
  }
  return true;
}

}  // namespace vm::ui
