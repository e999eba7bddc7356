// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_fade.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <algorithm>

#include "format/number_parse.h"
#include "ui/settings.h"

namespace vm::ui {

WindowFade::WindowFade(QWidget* window) : WindowFade(window, platformSupportsOpacity()) {}

WindowFade::WindowFade(QWidget* window, bool available)
    : QObject(window), window_(window), available_(available) {
  timer_.setObjectName(QStringLiteral("timerFadeInOut"));
  timer_.setInterval(1);
  connect(&timer_, &QTimer::timeout, this, &WindowFade::tick);
}

bool WindowFade::platformSupportsOpacity() {
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal") &&
         platform != QLatin1String("vnc");
}

bool WindowFade::prepare(const Settings& settings, int opacity, bool ignoreSetting) {
  if (!ignoreSetting &&
      format::leadingNumber(
          settings.value(QStringLiteral("FadeStatus"), QStringLiteral("0")).toStdString()) == 0)
    return false;
  if (!available_ || !window_) return false;
  applyOpacity(opacity);
  return true;
}

void WindowFade::start(int startOpacity, int endOpacity, int step, bool closeAfter) {
  start_ = startOpacity;
  end_ = endOpacity;
  step_ = std::max(1, step);
  closeAfter_ = closeAfter;
  firstTickPending_ = true;
  timer_.start();
}

void WindowFade::applyOpacity(int opacity) {
  current_ = std::clamp(opacity, 0, 255);
  if (window_ && available_) window_->setWindowOpacity(current_ / 255.0);
}

void WindowFade::tick() {
  if (firstTickPending_) {
    firstTickPending_ = false;
    current_ = start_;
    if (window_) window_->setEnabled(false);
  }
  const int next =
      start_ < end_ ? std::min(end_, current_ + step_) : std::max(end_, current_ - step_);
  applyOpacity(next);
  if (current_ != end_) return;
  timer_.stop();
  if (closeAfter_) {
    emit finished();
  } else if (window_) {
    window_->setEnabled(true);
  }
}

void WindowFade::waitUntilFinished() {
  while (timer_.isActive()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace vm::ui
