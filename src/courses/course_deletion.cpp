// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_deletion.h"

#include "ui/app_state.h"
#include "ui/change_author.h"
#include "ui/dialogs.h"
#include "ui/refused_change.h"
#include "ui/stoppable_work.h"

namespace vm::courses {

bool removeCourse(ui::AppState& state, QWidget* window, const QString& code, std::int32_t n) {
  const ui::Answer answer = state.dialogs.message(
      window,
      ui::makeMessage(QStringLiteral("Confirm"),
                      QStringLiteral("Are you SURE you want to remove\nCourse Code  ") + code +
                          QStringLiteral("\nfrom the 'Course Index'?"),
                      ui::MessageIcon::Question, ui::MessageButtons::YesNo, ui::Answer::No));
  if (answer != ui::Answer::Yes) return false;
  bool done = false;
  // A course another user changed or removed meanwhile is told and stays as the list shows it.
  ui::makeChange(state, window, [&] {
    done = ui::runStoppable(window, [&](const store::PassProgress& progress) {
      state.records.removeCourse(ui::changeAuthor(state), n, progress);
    });
  });
  return done;
}

}  // namespace vm::courses
