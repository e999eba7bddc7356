// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "format/clock.h"
#include "print/print_surface.h"

namespace vm::print {

// What every printed list shares, whatever its columns: the font, the left edge and first line
// of a page (in inches), the two title lines at the top of each page, and cells cut to their room.
const FontSpec& reportFont();  // Arial, 9 point
inline constexpr double kReportLeft = 0.5;
inline constexpr double kReportTop = 1.0;

// Puts the position at the top of the page and prints the window title, trimmed, and
// "Printed on <now, as the general date-time text> -- Page n", each on a line of its own.
void printPageTitle(PrintSurface& surface, std::string_view windowTitle,
                    const format::Clock& clock);

// The longest start of the text that, followed by "...", fits the room; empty when not even
// that fits.
std::string shortenedToFit(const PrintSurface& surface, std::string_view text, double room);

}  // namespace vm::print
