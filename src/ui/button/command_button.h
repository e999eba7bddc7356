// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "ui/button/pellam_button.h"

class QWidget;

namespace vm::ui {

// A command button in the program's common look: the soft style, drawn in the button's
// own colours, which start as the platform's button face and button text. A window sets
// only what differs (colours, bold font, pictures).
PellamButton* makeCommandButton(QWidget* parent, const QString& name, const QString& caption,
                                const QString& toolTip = {});

}  // namespace vm::ui
