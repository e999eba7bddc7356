// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "ui/window_fade.h"

class QWidget;

namespace vm::ui {

struct AppState;

// The life every window of the program shares: at load it prepares fading (which
// decides FadeEnabled for the windows that follow), at its first activation it runs the
// window's set-up once and fades in, it dims itself under a modal child, and it closes
// through a fade-out. Each window holds one and keeps its own behaviour in its handlers.
class WindowLife : public QObject {
  Q_OBJECT

 public:
  // Prepares fading with opacity 0, obeying the stored setting, and stores the result
  // in FadeEnabled (the admin window handles its own, different preparation).
  WindowLife(QWidget* window, AppState& state);
  // For a window that prepares fading itself.
  WindowLife(QWidget* window, AppState& state, bool prepareFading);

  // Set-up to run once, at the window's first activation (after it is shown).
  void onFirstActivation(std::function<void()> setUp) { setUp_ = std::move(setUp); }
  bool activated() const { return activated_; }

  // The fade-in of a first activation, when fading is on.
  void fadeIn(int step = 20);

  // Closes the window: with fading on, after a fade-out from `from` to 0; otherwise at
  // once. `endAction` replaces the plain close (the admin and main windows hand over to
  // another window or shut the program down).
  void closeWindow(std::function<void()> endAction = {}, int from = 255);

  WindowFade& fade() { return fade_; }
  // The program's state, for what a window's controls do on their own (a grid's export).
  AppState& state() const { return state_; }

  // A modal child that has written a record says so before it closes (see ui/open_modal.h).
  void reportRecordSaved() { emit recordSaved(); }

  // The life a window holds, or nullptr.
  static WindowLife* of(QWidget* window);

 signals:
  void recordSaved();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
  AppState& state_;
  WindowFade fade_;
  std::function<void()> setUp_;
  std::function<void()> endAction_;
  bool activated_ = false;
};

}  // namespace vm::ui
