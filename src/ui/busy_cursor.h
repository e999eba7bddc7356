// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QWidget>

namespace vm::ui {

// Long work (grid fills, scans, compactions, reports, copies) disables its window and
// shows the busy cursor for as long as this object lives, whichever way the work ends.
class BusyCursor {
 public:
  explicit BusyCursor(QWidget* window) : window_(window) {
    if (window_) {
      wasEnabled_ = window_->isEnabled();
      window_->setEnabled(false);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~BusyCursor() {
    QApplication::restoreOverrideCursor();
    if (window_ && wasEnabled_) window_->setEnabled(true);
  }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  QPointer<QWidget> window_;
  bool wasEnabled_ = true;
};

}  // namespace vm::ui
