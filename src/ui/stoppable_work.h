// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "store/pass_progress.h"

class QWidget;

namespace vm::ui {

// Runs long work that writes (a deletion, a course carried into the training records) with the
// busy cursor on `window`, Esc stopping it: `work` is handed the progress to give the store, which
// tells `shown` and, once Esc is pressed, stops the work, which then changes nothing (see
// store::doWork). Returns false when Esc stopped it.
bool runStoppable(QWidget* window, const std::function<void(const store::PassProgress&)>& work,
                  const store::PassProgress& shown = {});

}  // namespace vm::ui
