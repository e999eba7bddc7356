// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "print/print_surface.h"

namespace vm::print {

// How PrintWrappedText lays a text out. Positions are in inches.
struct WrappedTextOptions {
  std::string heading;  // printed above the text; none when empty
  bool underlineHeading = false;
  bool centreHeading = false;       // centred on the paper; otherwise at the left margin
  bool headingOnEveryPage = false;  // otherwise on the first page only
  bool leaveDocumentOpen = false;   // the caller goes on printing into the same document
  double left = 1.0;
  double right = 7.5;
};

// Prints the text word-wrapped in the surface's current font, with the optional heading and
// "(page n)" footers on the second and later pages, and ends the document unless asked to
// leave it open. A carriage return with a line feed, a line feed alone, or a carriage return
// alone ends a line. After a heading the text starts at 1.0 inch, whatever the left margin.
//
// Keeping the window disabled and showing the busy cursor while it runs is the caller's
// business (see ui/print_job.h); so is the failure of the printer, which arrives here as
// PrintError and is let through.
void PrintWrappedText(PrintSurface& surface, std::string_view text,
                      const WrappedTextOptions& options);

}  // namespace vm::print
