// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/elsewhere_watch.h"

#include <QApplication>
#include <QWidget>

#include "records/records.h"

namespace vm::ui {

ElsewhereWatch::ElsewhereWatch(QWidget* window, records::Records& records,
                               const records::ChangedLists& shown, std::function<bool()> busy,
                               Relist relist)
    : QObject(window),
      window_(window),
      records_(records),
      shown_(shown),
      busy_(std::move(busy)),
      relist_(std::move(relist)),
      timer_(this) {
  timer_.setObjectName(QStringLiteral("timerElsewhere"));
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &ElsewhereWatch::poll);
  timer_.start();
}

void ElsewhereWatch::poll() {
  const QWidget* modal = QApplication::activeModalWidget();
  if (!window_->isActiveWindow() || !window_->isEnabled() || (modal && modal != window_) ||
      QApplication::activePopupWidget() || busy_())
    return;
  const records::ChangedLists changed = records_.changedElsewhere(shown_);
  if (!changed.any()) return;
  const QPointer<QWidget> focused = window_->focusWidget();
  relist_(changed);
  if (focused && focused->isVisible() && focused->isEnabled()) focused->setFocus();
}

}  // namespace vm::ui
