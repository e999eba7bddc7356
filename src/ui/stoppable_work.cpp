// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/stoppable_work.h"

#include "store/work_stopped.h"
#include "ui/busy_cursor.h"
#include "ui/escape_stops.h"

namespace vm::ui {

bool runStoppable(QWidget* window, const std::function<void(const store::PassProgress&)>& work,
                  const store::PassProgress& shown) {
  const BusyCursor busy(window);
  EscapeStops escape;
  try {
    work([&](std::int32_t done, std::int32_t total, std::int32_t hits) {
      if (shown) shown(done, total, hits);
      escape.poll();
    });
  } catch (const store::WorkStopped&) {
    return false;
  }
  return true;
}

}  // namespace vm::ui
