// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vm::print {

// The printer font: the face name, its size in points and the three styles.
struct FontSpec {
  std::string name = "Arial";
  double points = 10.0;
  bool bold = false;
  bool italic = false;
  bool underline = false;

  bool operator==(const FontSpec&) const = default;
};

// Raised by a surface when the printer or the output file fails. The print helpers and the
// report engine let it pass; the window that started the printout reports it and abandons
// the document.
class PrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A page printer with a current position, in inches from the printable origin of the page.
// Text is UTF-8. Printing text leaves the line open and moves x on by the text's width;
// ending the line puts x back to 0 and moves y down by one line of the current font.
//
// A document opens by itself with the first text or page break and stays open until
// endDocument() sends it or abandonDocument() throws it away; page() counts from 1 within
// it. Ending a document that never opened does nothing, so a printout with nothing to print
// leaves no trace. Ending or abandoning puts the position back to 0, 0 and the page to 1.
class PrintSurface {
 public:
  virtual ~PrintSurface() = default;

  virtual double currentX() const = 0;
  virtual double currentY() const = 0;
  virtual void setCurrentX(double inches) = 0;
  virtual void setCurrentY(double inches) = 0;

  // Prints at the current position without ending the line; x advances by textWidth(text).
  virtual void print(std::string_view text) = 0;
  virtual void endLine() = 0;

  // The printed width of the text and the height of one line, in the current font.
  virtual double textWidth(std::string_view text) const = 0;
  virtual double textHeight(std::string_view text) const = 0;

  virtual FontSpec font() const = 0;
  virtual void setFont(const FontSpec& font) = 0;

  // The whole sheet, margins included.
  virtual double paperWidth() const = 0;
  virtual double paperHeight() const = 0;

  virtual int page() const = 0;
  // Ends the page; the next text goes to the top of a new one, at 0, 0.
  virtual void newPage() = 0;
  virtual void endDocument() = 0;
  virtual void abandonDocument() = 0;
};

}  // namespace vm::print
