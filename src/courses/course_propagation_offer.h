// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vm::ui {
struct AppState;
}
namespace vm::store {
struct CourseRecord;
}

namespace vm::courses {

// After an edited course with hours has been saved: asks whether to carry the changes into the
// course's training records and, on Yes, does so with the progress in the editor's caption
// ("37%/5": share of the records reviewed, records updated so far), then reports how many records
// were reviewed and updated.
void offerPropagation(ui::AppState& state, QWidget* editor, const store::CourseRecord& course);

}  // namespace vm::courses
