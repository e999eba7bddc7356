// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/user_log/user_log_line.h"

#include "format/automation_date.h"
#include "format/date_text.h"

namespace vm::store {
namespace {

// A name read from the user list may hold line breaks or other control characters (another
// program may have written it); written raw they would forge lines of the log.
void appendPrintable(std::string& line, std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    line += byte < 0x20 || byte == 0x7F ? ' ' : c;
  }
}

}  // namespace

std::string userLogLine(UserLogKind kind, const format::DateTime& date,
                        const format::DateTime& time, std::string_view userName,
                        std::string_view accessLevelName) {
  std::string line = format::formatDate(format::toAutomationDate(date)) + " at " +
                     format::formatTime(format::toAutomationDate(time)) + " - ";
  appendPrintable(line, userName);
  if (kind == UserLogKind::LogIn) {
    line += " logged in w/ ";
    appendPrintable(line, accessLevelName);
    line += " privileges.";
  } else {
    line += " logged out.";
  }
  return line;
}

}  // namespace vm::store
