// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/report_page.h"

#include <vector>

#include "format/automation_date.h"
#include "format/date_text.h"
#include "format/trim.h"
#include "print/utf8_chars.h"

namespace vm::print {
namespace {

void printLine(PrintSurface& surface, const std::string& text) {
  surface.setCurrentX(kReportLeft);
  surface.print(text);
  surface.endLine();
}

}  // namespace

const FontSpec& reportFont() {
  static const FontSpec font{"Arial", 9.0};
  return font;
}

void printPageTitle(PrintSurface& surface, std::string_view windowTitle,
                    const format::Clock& clock) {
  surface.setCurrentY(kReportTop);
  printLine(surface, format::trim(windowTitle));
  const double now = format::toAutomationDate(clock.now());
  printLine(surface, "Printed on " + format::formatGeneralDateTime(now) + " -- Page " +
                         std::to_string(surface.page()));
}

std::string shortenedToFit(const PrintSurface& surface, std::string_view text, double room) {
  std::vector<std::string_view> chars = utf8Chars(text);
  std::string kept;
  while (!chars.empty()) {
    chars.pop_back();
    kept.clear();
    for (std::string_view c : chars) kept += c;
    kept = format::trim(kept) + "...";
    if (surface.textWidth(kept) <= room) return kept;
  }
  return {};
}

}  // namespace vm::print
