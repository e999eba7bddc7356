// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_rule.h"

#include <cmath>
#include <string>

namespace vm::print {

void PrintRule(PrintSurface& surface, double fromX, double toX) {
  surface.setCurrentX(fromX);
  // One run of the underscores that should reach toX, then single ones until the real
  // metrics agree: a rule is never shorter than asked, and never printed one glyph at a time.
  const double width = surface.textWidth("_");
  const double wanted = width > 0.0 ? std::ceil((toX - fromX) / width) : 1.0;
  const auto count = static_cast<std::size_t>(wanted < 1.0 ? 1.0 : wanted);
  surface.print(std::string(count, '_'));
  while (width > 0.0 && surface.currentX() < toX) surface.print("_");
  surface.endLine();
}

}  // namespace vm::print
