// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chosen_option.h"

#include <QRadioButton>

namespace vm::ui {

void markChosenOption(QRadioButton* option, bool chosen) {
  static const QColor kChosen{0, 0, 64};
  static const QColor kOther{0, 0, 128};
  QFont font = option->font();
  font.setBold(chosen);
  option->setFont(font);
  QPalette p = option->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive})
    p.setColor(group, QPalette::WindowText, chosen ? kChosen : kOther);
  option->setPalette(p);
}

}  // namespace vm::ui
