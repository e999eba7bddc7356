// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/training_pass.h"

namespace vm::ui {
class PellamButton;
}

namespace vm::search {

// Shows how far a pass has come as the caption of the button that started it ("37%"), painted at
// once: the pass does not yield to the event loop.
scan::ScanProgress progressOnCaption(ui::PellamButton* button);

}  // namespace vm::search
