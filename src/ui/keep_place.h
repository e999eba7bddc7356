// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizePolicy>
#include <QWidget>

namespace vm::ui {

// Keeps a widget's place in its layout while it is hidden, so that what stands beside it does not
// move when it comes and goes.
inline void keepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

}  // namespace vm::ui
