#include "ui/option_handlers.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QRadioButton>

namespace vm::ui {
namespace {

// The chosen option of the group `option` belongs to (the auto-exclusive options of its
// parent), or nullptr.
QRadioButton* chosenOf(QRadioButton* option) {
  if (!option->autoExclusive() || !option->parentWidget()) return nullptr;
  for (QRadioButton* other :
       option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
    if (other->autoExclusive() && other->isChecked() && other->isVisible() && other->isEnabled())
      return other;
  return nullptr;
}

// Passes the focus that Tab or Shift+Tab brings to an option that is not chosen on to the
// chosen one.
class EnterAtChosen : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::FocusIn) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) return false;
    auto* option = static_cast<QRadioButton*>(watched);
    if (option->isChecked()) return false;
    if (QRadioButton* chosen = chosenOf(option)) chosen->setFocus(reason);
    return false;
  }
};

}  // namespace

void onChosen(QRadioButton* option, QObject* receiver, std::function<void()> handler) {
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
