// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility/accessible_tab_bar.h"

#include <QTabBar>

#include "ui/button/access_key.h"

namespace vm::ui {

AccessibleTabBar::AccessibleTabBar(QTabBar* bar)
    : QAccessibleWidget(bar, QAccessible::PageTabList) {}

AccessibleTabBar::~AccessibleTabBar() {
  for (const auto& [index, id] : tabs_) QAccessible::deleteAccessibleInterface(id);
}

QTabBar* AccessibleTabBar::tabBar() const { return static_cast<QTabBar*>(object()); }

int AccessibleTabBar::childCount() const {
  return tabBar()->count() + QAccessibleWidget::childCount();
}

QAccessibleInterface* AccessibleTabBar::child(int index) const {
  const int tabs = tabBar()->count();
  if (index < 0) return nullptr;
  if (index >= tabs) return QAccessibleWidget::child(index - tabs);
  if (const auto known = tabs_.find(index); known != tabs_.end())
    return QAccessible::accessibleInterface(known->second);
  auto* tab = new AccessibleTab(tabBar(), index);
  tabs_[index] = QAccessible::registerAccessibleInterface(tab);
  return tab;
}

int AccessibleTabBar::indexOfChild(const QAccessibleInterface* child) const {
  if (!child) return -1;
  if (const auto* tab = dynamic_cast<const AccessibleTab*>(child))
    return tab->parent() == this ? tab->index() : -1;
  const int widgetIndex = QAccessibleWidget::indexOfChild(child);
  return widgetIndex < 0 ? -1 : tabBar()->count() + widgetIndex;
}

QAccessibleInterface* AccessibleTabBar::focusChild() const {
  return tabBar()->hasFocus() ? child(tabBar()->currentIndex()) : nullptr;
}

// The bar is named after the chosen tab, as the platform's own bar is.
QString AccessibleTabBar::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && tabBar()->accessibleName().isEmpty()) {
    const int current = tabBar()->currentIndex();
    return current < 0 ? QString() : button::readableCaption(tabBar()->tabText(current));
  }
  return QAccessibleWidget::text(t);
}

bool AccessibleTab::isValid() const { return bar_ && index_ < bar_->count(); }

QWindow* AccessibleTab::window() const { return parent() ? parent()->window() : nullptr; }

QAccessibleInterface* AccessibleTab::parent() const {
  return bar_ ? QAccessible::queryAccessibleInterface(bar_.data()) : nullptr;
}

QString AccessibleTab::text(QAccessible::Text t) const {
  if (!isValid()) return {};
  switch (t) {
    case QAccessible::Name: {
      const QString name = bar_->accessibleTabName(index_);
      return name.isEmpty() ? button::readableCaption(bar_->tabText(index_)) : name;
    }
    case QAccessible::Description:
      return bar_->tabToolTip(index_);
    case QAccessible::Accelerator: {
      const QChar key = button::accessKeyOf(bar_->tabText(index_));
      return key.isNull() ? QString() : QStringLiteral("Alt+") + key.toUpper();
    }
    default:
      return {};
  }
}

QRect AccessibleTab::rect() const {
  if (!isValid() || !bar_->isTabVisible(index_)) return {};
  const QRect r = bar_->tabRect(index_);
  return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
}

bool AccessibleTab::available() const {
  return isValid() && bar_->isEnabled() && bar_->isTabEnabled(index_) && bar_->isTabVisible(index_);
}

QAccessible::State AccessibleTab::state() const {
  QAccessible::State s;
  if (!isValid()) {
    s.invalid = true;
    return s;
  }
  s.disabled = !bar_->isEnabled() || !bar_->isTabEnabled(index_);
  s.invisible = !bar_->isVisible() || !bar_->isTabVisible(index_);
  s.selectable = !s.disabled;
  s.focusable = !s.disabled;
  s.selected = index_ == bar_->currentIndex();
  s.focused = s.selected && bar_->hasFocus();
  return s;
}

void* AccessibleTab::interface_cast(QAccessible::InterfaceType t) {
  return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                           : nullptr;
}

QStringList AccessibleTab::actionNames() const {
  return available() ? QStringList{pressAction()} : QStringList{};
}

// An unavailable tab cannot be chosen, whoever asks.
void AccessibleTab::doAction(const QString& actionName) {
  if (actionName == pressAction() && available()) bar_->setCurrentIndex(index_);
}

}  // namespace vm::ui
