// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTest>
#include <QTimer>

namespace vm::test {

// Lets every call already queued for the event loop run, and whatever those calls do at once: a
// call queued after them runs after them, and the wait ends when the event loop returns from it.
// What a window leaves for "as soon as the loop is free" is then done, with no guessed delay.
inline bool runQueuedCalls() {
  QObject marker;
  bool reached = false;
  QTimer::singleShot(0, &marker, [&reached] { reached = true; });
  return QTest::qWaitFor([&reached] { return reached; }, 5000);
}

}  // namespace vm::test
