#include "access/user_log_line.h"

#include "format/automation_date.h"
#include "format/date_text.h"

namespace vm::access {

std::string userLogLine(UserLogKind kind, const format::DateTime& date,
                        const format::DateTime& time, std::string_view userName,
                        std::string_view accessLevelName) {
  std::string line = format::formatDate(format::toAutomationDate(date)) + " at " +
                     format::formatTime(format::toAutomationDate(time)) + " - ";
  line += userName;
  if (kind == UserLogKind::LogIn) {
    line += " logged in w/ ";
    line += accessLevelName;
    line += " privileges.";
  } else {
    line += " logged out.";
  }
  return line;
}

}  // namespace vm::access
