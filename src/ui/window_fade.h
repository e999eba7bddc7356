// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace vm::ui {

class Settings;

// Fades one top-level window in, out, down to a dim level and back, one step per tick of
// its own 1 ms timer. The window is disabled from the first tick; a fade without
// close-after enables it again at the end, a fade with close-after raises `finished`
// and leaves the end action (close, show the next window, shut down) to the window.
class WindowFade : public QObject {
  Q_OBJECT

 public:
  // `available` says whether the platform can make windows translucent; by default it
  // is learned from the platform (not the offscreen one that tests use).
  explicit WindowFade(QWidget* window);
  WindowFade(QWidget* window, bool available);

  static bool platformSupportsOpacity();

  // Unless `ignoreSetting`, returns false at once when the stored "FadeStatus" is
  // numerically 0 or missing. Otherwise sets the window's opacity (0..255) and returns
  // whether the platform could do it.
  bool prepare(const Settings& settings, int opacity, bool ignoreSetting = false);

  void start(int startOpacity, int endOpacity, int step, bool closeAfter);

  // The standard uses; each caller makes them only while fading is enabled.
  void fadeIn(int step = 20) { start(0, 255, step, false); }
  void dim() { start(255, 204, 2, false); }
  void undim() { start(204, 255, 3, false); }
  void fadeOut(int from = 255) { start(from, 0, 20, true); }

  bool isRunning() const { return timer_.isActive(); }
  // Lets window events run until the running fade has ended.
  void waitUntilFinished();

  int opacity() const { return current_; }
  void applyOpacity(int opacity);
  // One step of the running fade; the fade's own timer calls it every millisecond.
  void tick();

 signals:
  // A fade with close-after has reached its end: the window performs its end action.
  void finished();

 private:
  QPointer<QWidget> window_;
  bool available_;
  QTimer timer_;
  int start_ = 0;
  int end_ = 0;
  int step_ = 1;
  bool closeAfter_ = false;
  bool firstTickPending_ = false;
  int current_ = 255;
};

}  // namespace vm::ui
