// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QRadioButton;

namespace vm::ui {

// The option buttons of the editors show which one is chosen: bold in dark blue (0, 0, 64), the
// others plain in navy (0, 0, 128). A disabled option keeps the platform's grey.
void markChosenOption(QRadioButton* option, bool chosen);

}  // namespace vm::ui
