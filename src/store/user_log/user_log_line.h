// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "format/date_time.h"

namespace vm::store {

enum class UserLogKind { LogIn = 1, LogOut = 2 };

// One line of the user log, without its line break:
// "12/08/2026 at 10:30:00 - Ann Lee logged in w/ Read Only privileges." or
// "12/08/2026 at 17:02:11 - Ann Lee logged out." The date and the time are separate
// readings of the clock, as the log has always taken them. Control characters in the names
// (line breaks above all) are written as blanks, so that one entry is always one line.
std::string userLogLine(UserLogKind kind, const format::DateTime& date,
                        const format::DateTime& time, std::string_view userName,
                        std::string_view accessLevelName);

}  // namespace vm::store
