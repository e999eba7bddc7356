// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/print_surface.h"

namespace vm::print {

// Prints underscores on the current line from fromX until x has reached toX, then ends the
// line. Text already printed on the line without ending it comes out underlined.
void PrintRule(PrintSurface& surface, double fromX, double toX);

}  // namespace vm::print
