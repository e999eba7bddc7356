// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/holder_watch.h"

#include <QApplication>
#include <QProcess>

#include "access/folder_holder_texts.h"
#include "ui/app_state.h"
#include "ui/dialogs.h"

namespace vm::app {
namespace {

// Often enough to tell soon after the holder ends, seldom enough to cost nothing.
constexpr int kLookEveryMs = 3000;

}  // namespace

HolderWatch::HolderWatch(ui::AppState& state, const QString& dataFolder,
                         const access::LockOwner& owner)
    : HolderWatch(
          state,
          [dataFolder, owner] { return access::SingleInstance::stillHeldBy(dataFolder, owner); },
          [&state] {
            // The new copy finds the folder as any start does; this one ends without writing.
            QProcess::startDetached(QApplication::applicationFilePath(),
                                    QApplication::arguments().mid(1));
            state.shutdown();
          },
          kLookEveryMs) {}

HolderWatch::HolderWatch(ui::AppState& state, std::function<bool()> stillHeld,
                         std::function<void()> reopen, int intervalMs)
    : state_(state), stillHeld_(std::move(stillHeld)), reopen_(std::move(reopen)) {
  timer_.setInterval(intervalMs);
  connect(&timer_, &QTimer::timeout, this, &HolderWatch::look);
  timer_.start();
}

void HolderWatch::look() {
  if (stillHeld_()) return;
  timer_.stop();  // asked once: a copy kept for reading stays as it is
  const ui::Answer a = state_.dialogs.message(QApplication::activeWindow(),
                                              access::holderEndedMessage(state_.holder));
  if (a == ui::Answer::Yes) reopen_();
}

}  // namespace vm::app
