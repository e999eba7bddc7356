// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>

#include "print/print_surface.h"

class QPagedPaintDevice;
class QPrinter;
class QPdfWriter;

namespace vm::print {

// The print surface over a real printer or a PDF file. Inches become device units through the
// device's resolution; the origin is the top left corner of the printable area. Fonts are
// looked up by name and fall back to a sans-serif face when the name is not installed; widths
// and line heights are the font's own metrics on the device.
//
// The device must outlive the surface. The painter starts with the first text or page break;
// a device that refuses to start, a page that cannot be added or a document that cannot be
// finished raises PrintError.
class QtPrintSurface : public PrintSurface {
 public:
  // Abandoning aborts the print run.
  explicit QtPrintSurface(QPrinter& printer);
  // Abandoning removes the unfinished file.
  QtPrintSurface(QPdfWriter& writer, const QString& fileName);
  ~QtPrintSurface() override;

  double currentX() const override { return x_; }
  double currentY() const override { return y_; }
  void setCurrentX(double inches) override { x_ = inches; }
  void setCurrentY(double inches) override { y_ = inches; }

  void print(std::string_view text) override;
  void endLine() override;

  double textWidth(std::string_view text) const override;
  double textHeight(std::string_view text) const override;

  FontSpec font() const override { return spec_; }
  void setFont(const FontSpec& font) override;

  double paperWidth() const override;
  double paperHeight() const override;

  int page() const override { return page_; }
  void newPage() override;
  void endDocument() override;
  void abandonDocument() override;

 private:
  QtPrintSurface(QPagedPaintDevice& device, QPrinter* printer, QString fileName);
  void begin();
  void reset();

  QPagedPaintDevice& device_;
  QPrinter* printer_;  // null when writing a PDF file
  QString fileName_;   // the PDF file, empty for a printer
  QPainter painter_;
  FontSpec spec_;
  QFont font_;
  QFontMetricsF metrics_;
  double dpiX_;
  double dpiY_;
  double x_ = 0.0;
  double y_ = 0.0;
  int page_ = 1;
};

}  // namespace vm::print
