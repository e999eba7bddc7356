// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <string>
#include <string_view>

#include "backup/backup_messages.h"
#include "ui/busy_cursor.h"
#include "ui/escape_stops.h"

class QWidget;

namespace vm::backup {

// While the files are copied: the window is disabled under the busy cursor and its title names
// the file being copied, shown at once; Esc stops the copy (fileStarted, told again as the copy
// goes on, throws store::WorkStopped); afterwards the window gets its own title back, then the
// normal cursor, and is enabled again.
class CopyProgress {
 public:
  CopyProgress(QWidget* window, Flow flow);
  ~CopyProgress();
  CopyProgress(const CopyProgress&) = delete;
  CopyProgress& operator=(const CopyProgress&) = delete;

  void fileStarted(std::string_view name);

 private:
  ui::BusyCursor busy_;
  ui::EscapeStops escape_;
  QPointer<QWidget> window_;
  Flow flow_;
  QString title_;
  std::string shown_;
};

}  // namespace vm::backup
