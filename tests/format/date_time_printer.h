// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "format/date_time.h"

namespace vm::format {

// Lets failing expectations show the date and time instead of raw bytes.
inline void PrintTo(const DateTime& t, std::ostream* out) {
  *out << t.year << '-' << t.month << '-' << t.day << ' ' << t.hour << ':' << t.minute << ':'
       << t.second;
}

}  // namespace vm::format
