// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class QWidget;

namespace vm::ui {
struct AppState;
}

namespace vm::courses {

// After edited course n, with hours, has been saved: asks whether to carry the changes into the
// course's training records and, on Yes, does so with the progress in the editor's caption
// ("37%/5": share of the records reviewed, records updated so far), then reports how many records
// were reviewed and updated.
void offerPropagation(ui::AppState& state, QWidget* editor, std::int32_t course);

}  // namespace vm::courses
