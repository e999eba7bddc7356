// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/escape_stops.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

#include "scan/training_pass.h"

namespace vm::ui {

EscapeStops::EscapeStops() { QCoreApplication::instance()->installEventFilter(this); }

EscapeStops::~EscapeStops() { QCoreApplication::instance()->removeEventFilter(this); }

void EscapeStops::poll() {
  QCoreApplication::processEvents();
  if (pressed_) throw scan::PassStopped();
}

bool EscapeStops::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) pressed_ = true;
      return true;
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Close:
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace vm::ui
