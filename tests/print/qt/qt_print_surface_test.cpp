// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/qt_print_surface.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>

#include "support/pdf_pages.h"

namespace vm::print {
namespace {

using test::pdfPageCount;

TEST(QtPrintSurface, MeasuresInInchesWithTheFontsOwnMetrics) {
  QTemporaryDir folder;
  QPdfWriter writer(folder.filePath("m.pdf"));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                   QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
  QtPrintSurface surface(writer, folder.filePath("m.pdf"));
  surface.setFont(FontSpec{"Arial", 10.0});

  EXPECT_NEAR(surface.paperWidth(), 8.5, 1e-6);
  EXPECT_NEAR(surface.paperHeight(), 11.0, 1e-6);
  EXPECT_GT(surface.textWidth("WWWW"), surface.textWidth("iiii"));
  const double line = surface.textHeight("Ag");
  EXPECT_GT(line, 0.12);  // a 10-point line, leading included
  EXPECT_LT(line, 0.22);

  // A face that is not installed falls back to another; twice the size is twice as wide.
  surface.setFont(FontSpec{"No Such Face", 20.0});
  const double wide = surface.textWidth("Training");
  surface.setFont(FontSpec{"No Such Face", 10.0});
  EXPECT_NEAR(wide, 2 * surface.textWidth("Training"), 0.05 * wide);

  // Nothing was printed: ending the document writes no file.
  surface.endDocument();
  EXPECT_FALSE(QFile::exists(folder.filePath("m.pdf")));
}

TEST(QtPrintSurface, PrintsPagesOnAPrinter) {
  QTemporaryDir folder;
  const QString file = folder.filePath("printer.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  QtPrintSurface surface(printer);

  surface.setCurrentY(1.0);
  surface.setCurrentX(0.5);
  surface.print("Course Code");
  EXPECT_NEAR(surface.currentX(), 0.5 + surface.textWidth("Course Code"), 1e-9);
  const double y = surface.currentY();
  surface.endLine();
  EXPECT_EQ(surface.currentX(), 0.0);
  EXPECT_NEAR(surface.currentY(), y + surface.textHeight(""), 1e-9);
  surface.newPage();
  EXPECT_EQ(surface.page(), 2);
  EXPECT_EQ(surface.currentY(), 0.0);
  surface.print("Page two");
  surface.endDocument();

  EXPECT_EQ(surface.page(), 1);
  EXPECT_EQ(pdfPageCount(file), 2);
}

}  // namespace
}  // namespace vm::print
