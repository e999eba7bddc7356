// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "print/print_surface.h"

namespace vm::print {

// A surface that prints nothing and remembers everything, so that what a printout puts where
// can be checked without a printer.
//
// Its metrics are fixed so that positions are predictable: every character (a UTF-8 code
// point) advances kAdvancePerPoint inches per point of the font size, whatever the character,
// and a line is kLineHeightPerPoint inches per point high. A 10-point line is thus 0.16 inch
// high and ten characters of it are 0.8 inch wide. The paper is letter size unless given.
class RecordingSurface : public PrintSurface {
 public:
  static constexpr double kAdvancePerPoint = 0.008;
  static constexpr double kLineHeightPerPoint = 0.016;

  enum class Event { Text, NewPage, EndDocument, AbandonDocument };

  // One thing that happened, in order. For Text: the page, the position where the text
  // started and the font it was printed in. For the others: the page on which it happened.
  struct Entry {
    Event event = Event::Text;
    int page = 1;
    double x = 0.0;
    double y = 0.0;
    std::string text;
    FontSpec font;
  };

  explicit RecordingSurface(double paperWidth = 8.5, double paperHeight = 11.0);

  double currentX() const override { return x_; }
  double currentY() const override { return y_; }
  void setCurrentX(double inches) override { x_ = inches; }
  void setCurrentY(double inches) override { y_ = inches; }

  void print(std::string_view text) override;
  void endLine() override;

  double textWidth(std::string_view text) const override;
  double textHeight(std::string_view text) const override;

  FontSpec font() const override { return font_; }
  void setFont(const FontSpec& font) override { font_ = font; }

  double paperWidth() const override { return paperWidth_; }
  double paperHeight() const override { return paperHeight_; }

  int page() const override { return page_; }
  void newPage() override;
  void endDocument() override;
  void abandonDocument() override;

  const std::vector<Entry>& entries() const { return entries_; }
  // The printed pieces only, in order.
  std::vector<Entry> texts() const;
  bool documentOpen() const { return open_; }

 private:
  void record(Event event, std::string text = {});
  void closeDocument(Event event);

  double paperWidth_;
  double paperHeight_;
  double x_ = 0.0;
  double y_ = 0.0;
  int page_ = 1;
  bool open_ = false;
  FontSpec font_;
  std::vector<Entry> entries_;
};

}  // namespace vm::print
