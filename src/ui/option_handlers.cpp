#include "ui/option_handlers.h"

#include <QCheckBox>
#include <QRadioButton>

namespace vm::ui {

void onChosen(QRadioButton* option, QObject* receiver, std::function<void()> handler) {
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
