// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace vm::ui {

class LinkLabel;

// A LinkLabel as assistive technology sees it: a link named by its text, with a press action
// that follows it as a click does.
class AccessibleLink : public QAccessibleWidget {
 public:
  explicit AccessibleLink(LinkLabel* link);

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

 private:
  LinkLabel* link() const;
};

}  // namespace vm::ui
