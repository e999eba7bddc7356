// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

class QTabBar;

namespace vm::ui {

// What assistive technology sees of a tab control's tab bar. Qt's own reports every tab as
// available and switches to any tab it is asked to; here a tab that the window made
// unavailable reports itself disabled and refuses to be chosen, as it does for the mouse
// and the keyboard. The tabs come first among the children, then the bar's own widgets
// (its scroll buttons).
class AccessibleTabBar : public QAccessibleWidget {
 public:
  explicit AccessibleTabBar(QTabBar* bar);
  ~AccessibleTabBar() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;
  QString text(QAccessible::Text t) const override;

  QTabBar* tabBar() const;

 private:
  mutable std::map<int, QAccessible::Id> tabs_;  // made on first request
};

// One tab of the bar.
class AccessibleTab : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  AccessibleTab(QTabBar* bar, int index) : bar_(bar), index_(index) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  int index() const { return index_; }

 private:
  bool available() const;

  QPointer<QTabBar> bar_;
  int index_;
};

}  // namespace vm::ui
