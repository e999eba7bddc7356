// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/qt_print_surface.h"

#include <QFile>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>

namespace vm::print {
namespace {

QFont qFontOf(const FontSpec& wanted) {
  QFont font;
  // The metric twins of the usual office faces come first, then any sans-serif face.
  const QString name = QString::fromStdString(wanted.name);
  font.setFamilies({name, "Liberation Sans", "Arimo", "Helvetica", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(wanted.points);
  font.setBold(wanted.bold);
  font.setItalic(wanted.italic);
  font.setUnderline(wanted.underline);
  return font;
}

}  // namespace

QtPrintSurface::QtPrintSurface(QPrinter& printer) : QtPrintSurface(printer, &printer, {}) {}

QtPrintSurface::QtPrintSurface(QPdfWriter& writer, const QString& fileName)
    : QtPrintSurface(writer, nullptr, fileName) {}

QtPrintSurface::QtPrintSurface(QPagedPaintDevice& device, QPrinter* printer, QString fileName)
    : device_(device),
      printer_(printer),
      fileName_(std::move(fileName)),
      font_(qFontOf(spec_)),
      metrics_(font_, &device),
      dpiX_(device.logicalDpiX()),
      dpiY_(device.logicalDpiY()) {}

QtPrintSurface::~QtPrintSurface() = default;

void QtPrintSurface::print(std::string_view text) {
  if (text.empty()) return;
  begin();
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  painter_.drawText(QPointF(x_ * dpiX_, y_ * dpiY_ + metrics_.ascent()), qtext);
  x_ += metrics_.horizontalAdvance(qtext) / dpiX_;
}

void QtPrintSurface::endLine() {
  x_ = 0.0;
  y_ += textHeight("");
}

double QtPrintSurface::textWidth(std::string_view text) const {
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return metrics_.horizontalAdvance(qtext) / dpiX_;
}

double QtPrintSurface::textHeight(std::string_view) const { return metrics_.lineSpacing() / dpiY_; }

void QtPrintSurface::setFont(const FontSpec& font) {
  spec_ = font;
  font_ = qFontOf(font);
  metrics_ = QFontMetricsF(font_, &device_);
  if (painter_.isActive()) painter_.setFont(font_);
}

double QtPrintSurface::paperWidth() const {
  return device_.pageLayout().fullRect(QPageLayout::Inch).width();
}

double QtPrintSurface::paperHeight() const {
  return device_.pageLayout().fullRect(QPageLayout::Inch).height();
}

void QtPrintSurface::newPage() {
  begin();
  if (!device_.newPage()) throw PrintError("A new page could not be started.");
  ++page_;
  x_ = 0.0;
  y_ = 0.0;
}

void QtPrintSurface::endDocument() {
  if (!painter_.isActive()) return;
  const bool ended = painter_.end();
  const bool printerFailed = printer_ && printer_->printerState() == QPrinter::Error;
  reset();
  if (!ended || printerFailed) throw PrintError("The printout could not be finished.");
}

void QtPrintSurface::abandonDocument() {
  if (!painter_.isActive()) return;
  if (printer_) printer_->abort();
  painter_.end();
  if (!fileName_.isEmpty()) QFile::remove(fileName_);
  reset();
}

void QtPrintSurface::begin() {
  if (painter_.isActive()) return;
  if (!painter_.begin(&device_)) {
    if (printer_)
      throw PrintError("The printer \"" + printer_->printerName().toStdString() +
                       "\" could not be started.");
    throw PrintError("The file \"" + fileName_.toStdString() + "\" could not be written.");
  }
  painter_.setFont(font_);
}

void QtPrintSurface::reset() {
  page_ = 1;
  x_ = 0.0;
  y_ = 0.0;
}

}  // namespace vm::print
