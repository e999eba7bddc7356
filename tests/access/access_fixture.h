// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>

#include "access/frm_admin.h"
#include "access/user_bytes.h"
#include "support/test_app.h"
#include "ui/button/pellam_button.h"
#include "ui/grid/grid.h"

namespace vm::test {

inline bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 3000); }

template <typename W = QWidget>
W* find(QWidget* window, const QString& name) {
  W* w = window->findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name.toStdString();
  return w;
}

inline ui::PellamButton* button(QWidget* window, const QString& name) {
  return find<ui::PellamButton>(window, name);
}

// Clicks a button as the user does; fails when the user could not (hidden or disabled).
inline void click(QWidget* window, const QString& name) {
  ui::PellamButton* b = button(window, name);
  ASSERT_TRUE(b->isVisible()) << name.toStdString() << " is hidden";
  ASSERT_TRUE(b->isEnabled()) << name.toStdString() << " is disabled";
  QTest::mouseClick(b, Qt::LeftButton);
}

inline bool shows(QWidget* window, const QString& name) {
  return find<QWidget>(window, name)->isVisible();
}

// The open top-level window of that name, if any.
inline QWidget* topLevel(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name && w->isVisible()) return w;
  return nullptr;
}

// An admin window on a test application, shown and past its first activation.
struct AdminFixture {
  TestApp app;
  QPointer<access::frmAdmin> admin;
  int mainWindowShown = 0;
  int shutdowns = 0;

  AdminFixture() {
    app.state.showMainWindow = [this] { ++mainWindowShown; };
    app.state.shutdown = [this] { ++shutdowns; };
  }
  ~AdminFixture() { delete admin.data(); }

  void writeUsers(const std::string& bytes) { app.folder.write("User.List", bytes); }

  void open() {
    admin = new access::frmAdmin(app.state);
    admin->show();
    ASSERT_TRUE(waitFor([this] { return admin->activated(); }));
  }

  ui::Grid* grid() const { return admin->findChild<ui::Grid*>("grid"); }
  QStringList row(int r) const {
    return {grid()->text(r, 0), grid()->text(r, 1), grid()->text(r, 2)};
  }
};

}  // namespace vm::test
