// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_life.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "ui/app_state.h"
#include "ui/settings.h"

namespace vm::ui {

WindowLife::WindowLife(QWidget* window, AppState& state) : WindowLife(window, state, true) {}

WindowLife::WindowLife(QWidget* window, AppState& state, bool prepareFading)
    : QObject(window), window_(window), state_(state), fade_(window) {
  if (prepareFading) state_.FadeEnabled = fade_.prepare(state_.settings, 0);
  window->installEventFilter(this);
  connect(&fade_, &WindowFade::finished, this, [this] {
    const auto action = std::move(endAction_);
    endAction_ = {};
    if (action) {
      action();
    } else if (window_) {
      window_->close();
    }
  });
}

bool WindowLife::eventFilter(QObject* watched, QEvent* event) {
  // The set-up waits for the show to finish, as an activation follows the show.
  if (watched == window_ && event->type() == QEvent::Show && !activated_) {
    QTimer::singleShot(0, this, [this] {
      if (activated_ || !window_ || !window_->isVisible()) return;
      activated_ = true;
      if (setUp_) setUp_();
    });
  }
  return false;
}

void WindowLife::fadeIn(int step) {
  if (state_.FadeEnabled) fade_.fadeIn(step);
}

WindowLife* WindowLife::of(QWidget* window) {
  return window->findChild<WindowLife*>(QString(), Qt::FindDirectChildrenOnly);
}

void WindowLife::closeWindow(std::function<void()> endAction, int from) {
  if (state_.FadeEnabled) {
    endAction_ = std::move(endAction);
    fade_.fadeOut(from);
    return;
  }
  if (endAction) {
    endAction();
  } else if (window_) {
    window_->close();
  }
}

}  // namespace vm::ui
