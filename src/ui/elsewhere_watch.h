// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "records/changed_lists.h"

class QWidget;

namespace vm::records {
class Records;
}

namespace vm::ui {

// Asks the records about every second which of the lists a window shows (`shown`) other desks
// changed, and hands them to the window to list again, only while the user could not be in the
// middle of something there: the window is active and enabled, no other modal window or pop-up
// stands over it, and `busy` (the window's own work under way, such as a find) says no. Until then
// the changes wait in the records, as do changes to lists the window does not show. The control
// that had the focus keeps it.
class ElsewhereWatch : public QObject {
 public:
  using Relist = std::function<void(const records::ChangedLists&)>;

  ElsewhereWatch(QWidget* window, records::Records& records, const records::ChangedLists& shown,
                 std::function<bool()> busy, Relist relist);

 private:
  void poll();

  QWidget* window_;
  records::Records& records_;
  records::ChangedLists shown_;
  std::function<bool()> busy_;
  Relist relist_;
  QTimer timer_;
};

}  // namespace vm::ui
