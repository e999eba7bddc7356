// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/training_pass.h"

namespace vm::ui {
class EscapeStops;
class PellamButton;
}  // namespace vm::ui

namespace vm::search {

// Shows how far a pass has come as the caption of the button that started it ("37%"), painted at
// once, and lets `escape` stop the pass.
scan::ScanProgress progressOnCaption(ui::PellamButton* button, ui::EscapeStops& escape);

}  // namespace vm::search
