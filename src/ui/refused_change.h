// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace vm::ui {

struct AppState;

// How a change of the records went: made, or refused because another user changed or removed the
// record after this window read it (nothing was then written).
enum class ChangeOutcome { Made, RecordChanged, RecordRemoved };

// Runs `change`; a refusal is told to the user over `window` in the records' own words (who
// changed the record, and when) before the outcome is given back, for the window to show the
// record as it now is or to close.
ChangeOutcome makeChange(AppState& state, QWidget* window, const std::function<void()>& change);

}  // namespace vm::ui
