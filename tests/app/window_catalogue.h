// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/test_app.h"

namespace vm::test {

class OpenWindow;

// One window of the program in one of its states, opened on the demonstration data as the
// program opens it, shown and past its first activation.
struct WindowCase {
  std::string name;
  std::function<QWidget*(OpenWindow&)> open;
};

// Every window of the program, each in the states that show different controls. The tests of
// each kind of control visit every control of that kind in all of them.
const std::vector<WindowCase>& allWindows();

// A test application on the demonstration data (Dana Demo with full access, Victor Viewer
// with read-only access, persons, courses with category headings, training records) with one
// window of the catalogue open on it. Links and printouts are recorded, never sent out.
class OpenWindow {
 public:
  explicit OpenWindow(const std::string& caseName);
  ~OpenWindow();

  TestApp& app() { return *app_; }
  QWidget* window() const { return window_; }
  const std::string& name() const { return name_; }
  // A control of the window by its objectName; fails the test when there is none.
  template <typename Control = QWidget>
  Control* control(const QString& objectName) const {
    Control* c = window_ ? window_->findChild<Control*>(objectName) : nullptr;
    if (!c) missing(objectName);
    return c;
  }
  // Every control of a kind that the user can reach now: shown and enabled.
  template <typename Control>
  std::vector<Control*> reachable() const {
    std::vector<Control*> found;
    if (!window_) return found;
    for (Control* c : window_->findChildren<Control*>())
      if (c->isVisible() && c->isEnabled()) found.push_back(c);
    return found;
  }

  // The links opened so far.
  std::vector<QUrl> opened;

  // Used by the catalogue: shows the window and waits for its first activation.
  QWidget* show(QWidget* window);

 private:
  void missing(const QString& objectName) const;

  std::string name_;
  std::unique_ptr<TestApp> app_;
  QPointer<QWidget> window_;
};

}  // namespace vm::test
