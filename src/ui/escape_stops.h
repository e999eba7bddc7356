// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace vm::ui {

// While it lives, Esc stops the long work of the UI thread. The work calls poll() as it goes (a
// pass over the training file does from its progress): the windows repaint, and once Esc has
// been pressed poll() throws scan::PassStopped, so that the work gives up and changes nothing.
// Every other key, click and window close meanwhile is swallowed, so that nothing else starts,
// or goes away, under the work.
class EscapeStops : public QObject {
 public:
  EscapeStops();
  ~EscapeStops() override;
  EscapeStops(const EscapeStops&) = delete;
  EscapeStops& operator=(const EscapeStops&) = delete;

  void poll();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace vm::ui
