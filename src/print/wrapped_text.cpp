// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/wrapped_text.h"

#include <vector>

#include "print/utf8_chars.h"

namespace vm::print {
namespace {

// The page geometry of a wrapped printout, in inches.
constexpr double kTopY = 1.0;      // first line of every page
constexpr double kPageEndY = 8.8;  // a page ends after the line that passes it
constexpr double kFooterX = 6.0;   // "(page n)" on pages 2 and later
constexpr double kFooterY = 9.2;
constexpr double kBreakZone = 1.0;  // lines break at the first blank past right - kBreakZone
constexpr double kCutAfter = 0.5;   // and are cut hard past right + kCutAfter

// Collects the characters of one line and prints them as one piece when the line ends, so
// that a line is one run of text on the page rather than one glyph after another. The
// position is followed character by character, as the line-breaking rules need it.
class LinePrinter {
 public:
  explicit LinePrinter(PrintSurface& surface) : surface_(surface) {}

  double x() const { return run_.empty() ? surface_.currentX() : runX_ + runWidth_; }

  void add(std::string_view character) {
    if (run_.empty()) {
      runX_ = surface_.currentX();
      runWidth_ = 0.0;
    }
    run_ += character;
    runWidth_ += surface_.textWidth(character);
  }

  void flush() {
    if (run_.empty()) return;
    surface_.setCurrentX(runX_);
    surface_.print(run_);
    run_.clear();
  }

  void endLine() {
    flush();
    surface_.endLine();
  }

 private:
  PrintSurface& surface_;
  std::string run_;
  double runX_ = 0.0;
  double runWidth_ = 0.0;
};

void printHeading(PrintSurface& surface, const WrappedTextOptions& options) {
  const FontSpec textFont = surface.font();
  if (options.underlineHeading) {
    FontSpec underlined = textFont;
    underlined.underline = true;
    surface.setFont(underlined);
  }
  if (options.centreHeading)
    surface.setCurrentX(surface.paperWidth() / 2 - surface.textWidth(options.heading) / 2);
  surface.print(options.heading);
  surface.endLine();
  if (options.underlineHeading) surface.setFont(textFont);
  surface.endLine();
  surface.setCurrentX(1.0);
}

bool isLineEnd(std::string_view c) { return c == "\r" || c == "\n"; }

}  // namespace

void PrintWrappedText(PrintSurface& surface, std::string_view text,
                      const WrappedTextOptions& options) {
  const std::vector<std::string_view> chars = utf8Chars(text);
  const std::size_t last = chars.empty() ? 0 : chars.size() - 1;
  LinePrinter line(surface);
  int page = 0;
  bool newPagePending = true;

  for (std::size_t i = 0; i < chars.size(); ++i) {
    if (surface.currentY() < kTopY) surface.setCurrentY(kTopY);
    if (line.x() < options.left) surface.setCurrentX(options.left);

    if (newPagePending) {
      newPagePending = false;
      ++page;
      if (!options.heading.empty() && (options.headingOnEveryPage || page == 1))
        printHeading(surface, options);
    }

    if (isLineEnd(chars[i])) {
      line.endLine();
      if (chars[i] == "\r" && i < last && chars[i + 1] == "\n") ++i;
    } else {
      line.add(chars[i]);
      const double x = line.x();
      if (x > options.right - kBreakZone && (chars[i] == " " || x > options.right + kCutAfter))
        line.endLine();
    }

    const bool isLast = i == last;
    if (isLast || surface.currentY() > kPageEndY) {
      if (page > 1) {
        line.endLine();
        surface.setCurrentY(kFooterY);
        surface.setCurrentX(kFooterX);
        surface.print("(page " + std::to_string(page) + ")");
        surface.endLine();
      }
      if (!isLast) {
        line.flush();
        surface.newPage();
        newPagePending = true;
      }
    }
  }
  line.flush();
  if (!options.leaveDocumentOpen) surface.endDocument();
}

}  // namespace vm::print
