// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tab_order.h"

#include <QWidget>

namespace vm::ui {

void setTabOrder(const QList<QWidget*>& controls) {
  for (qsizetype i = 1; i < controls.size(); ++i)
    QWidget::setTabOrder(controls[i - 1], controls[i]);
}

}  // namespace vm::ui
