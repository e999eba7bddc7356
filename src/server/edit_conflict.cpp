// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/edit_conflict.h"

#include "format/date_text.h"

namespace vm::server {

EditConflict EditConflict::changed(std::string_view what, std::string user, double when) {
  const std::string message = "This " + std::string(what) + " was changed by " + user + " on " +
                              format::formatDate(when) + " at " + format::formatTime(when) +
                              ", after you opened it.\nYour changes were not saved; the " +
                              std::string(what) + " is shown as it is now.";
  return EditConflict(message, std::move(user), when, false);
}

EditConflict EditConflict::removed(std::string_view what) {
  return EditConflict("This " + std::string(what) +
                          " was removed by another user after you opened it.\nNothing was "
                          "changed.",
                      {}, 0, true);
}

}  // namespace vm::server
