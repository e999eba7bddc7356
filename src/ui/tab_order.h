// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QWidget;

namespace vm::ui {

// Makes Tab visit these controls one after the other, in the order the window shows them
// (Shift+Tab goes back); hidden and disabled ones are passed over as always. Controls not
// named keep their places after the last one named.
void setTabOrder(const QList<QWidget*>& controls);

}  // namespace vm::ui
