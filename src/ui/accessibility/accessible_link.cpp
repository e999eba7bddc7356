// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility/accessible_link.h"

#include "ui/link_label.h"

namespace vm::ui {

AccessibleLink::AccessibleLink(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

LinkLabel* AccessibleLink::link() const { return static_cast<LinkLabel*>(object()); }

QString AccessibleLink::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && link()->accessibleName().isEmpty()) return link()->text();
  return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleLink::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.linked = true;
  return s;
}

QStringList AccessibleLink::actionNames() const {
  QStringList names = QAccessibleWidget::actionNames();
  if (link()->isEnabled()) names.prepend(pressAction());
  return names;
}

void AccessibleLink::doAction(const QString& actionName) {
  if (actionName == pressAction()) {
    if (link()->isEnabled()) link()->click();
    return;
  }
  QAccessibleWidget::doAction(actionName);
}

}  // namespace vm::ui
