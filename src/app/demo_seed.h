// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/clock.h"
#include "store/file_table.h"

namespace vm::app {

// Fills an empty data folder with a demonstration organisation: a user with full access,
// a few dozen persons (active and inactive), a course index with category headings, some
// courses that must be renewed, and a few hundred training records over the five years up to
// the clock's day. Whatever that day, some trainings of the renewed courses have expired, some
// fall due within 30 days and most are current, and some persons never took some of those
// courses. Written as one piece of journalled work that the change log does not tell. Does
// nothing, and returns false, when any record file already exists.
bool seedDemonstrationData(store::FileTable& files, const format::Clock& clock);

// The demonstration user, for the README and the first log-in.
inline constexpr const char* kDemoUserFirst = "Dana";
inline constexpr const char* kDemoUserLast = "Demo";
inline constexpr const char* kDemoPassword = "demo1234";

}  // namespace vm::app
