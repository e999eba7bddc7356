// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/option_handlers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QRadioButton>
#include <QTimer>

namespace vm::ui {
namespace {

// The chosen option of the group `option` belongs to (the auto-exclusive options of its
// parent), or nullptr.
QRadioButton* chosenOf(QRadioButton* option) {
  if (!option->autoExclusive() || !option->parentWidget()) return nullptr;
  for (QRadioButton* other :
       option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
    if (other->autoExclusive() && other->isChecked()) return other;
  return nullptr;
}

// The toolkit keeps one Tab stop per group of options by taking Tab from the others when one
// gets the focus, but it counts all the options below that one's parent as its group, so a
// group inside another (the match options inside the search panel) loses its stop. Every group
// of the window gets its own back: the chosen option, or each option while none is chosen.
void restoreTabStops(QWidget* window) {
  for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
    if (!option->autoExclusive()) continue;
    QRadioButton* chosen = chosenOf(option);
    const int policy = option->focusPolicy();
    option->setFocusPolicy(static_cast<Qt::FocusPolicy>(
        !chosen || chosen == option ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
  }
}

// Passes the focus that Tab or Shift+Tab brings to an option that is not chosen on to the
// chosen one, and keeps every group of the window a Tab stop.
class EnterAtChosen : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::FocusIn) return false;
    auto* option = static_cast<QRadioButton*>(watched);
    // After the toolkit's own account of the focus.
    QTimer::singleShot(0, option->window(),
                       [window = option->window()] { restoreTabStops(window); });
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) return false;
    QRadioButton* chosen = chosenOf(option);
    if (chosen && chosen != option && chosen->isVisible() && chosen->isEnabled())
      chosen->setFocus(reason);
    return false;
  }
};

// The toolkit also counts every option below the parent as one group when one is chosen, and
// clears the first other chosen option it finds there, which may be one of an inner group (the
// match options inside the search panel) while the outer group keeps two chosen. The options
// that share a parent are made one group of their own.
void joinSiblings(QRadioButton* option) {
  QWidget* parent = option->parentWidget();
  if (!parent || !option->autoExclusive() || option->group()) return;
  const QString name = QStringLiteral("options");
  auto* group = parent->findChild<QButtonGroup*>(name, Qt::FindDirectChildrenOnly);
  if (!group) {
    group = new QButtonGroup(parent);
    group->setObjectName(name);
  }
  group->addButton(option);
}

}  // namespace

void onChosen(QRadioButton* option, QObject* receiver, std::function<void()> handler) {
  joinSiblings(option);
  option->installEventFilter(new EnterAtChosen(option));
  QObject::connect(option, &QRadioButton::toggled, receiver,
                   [handler = std::move(handler)](bool chosen) {
                     if (chosen) handler();
                   });
}

void onTickChanged(QCheckBox* box, QObject* receiver, std::function<void()> handler) {
  QObject::connect(box, &QCheckBox::toggled, receiver,
                   [handler = std::move(handler)](bool) { handler(); });
}

}  // namespace vm::ui
