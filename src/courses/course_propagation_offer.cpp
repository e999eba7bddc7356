// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/course_propagation_offer.h"

#include <QWidget>

#include "format/number_text.h"
#include "ui/app_state.h"
#include "ui/change_author.h"
#include "ui/dialogs.h"
#include "ui/stoppable_work.h"

namespace vm::courses {

void offerPropagation(ui::AppState& state, QWidget* editor, std::int32_t course) {
  const ui::Answer answer = state.dialogs.message(
      editor,
      ui::makeMessage(QStringLiteral("Update individuals' training records appropriately?"),
                      QStringLiteral("Do you want to find and apply these changes\n"
                                     "to the existing individual training record(s)\n"
                                     "of any person(s) who have previously completed\n"
                                     "this particular training course?"),
                      ui::MessageIcon::Question, ui::MessageButtons::YesNo, ui::Answer::No));
  if (answer != ui::Answer::Yes) return;

  records::CarryCount count;
  const QString title = editor->windowTitle();
  const bool done = ui::runStoppable(
      editor,
      [&](const store::PassProgress& progress) {
        count = state.records.carryCourse(ui::changeAuthor(state), course, progress);
      },
      [editor](std::int32_t done, std::int32_t total, std::int32_t updated) {
        editor->setWindowTitle(
            QString::fromStdString(format::formatPercent(static_cast<double>(done) / total)) +
            QLatin1Char('/') + QString::number(updated));
      });
  if (!done) {
    editor->setWindowTitle(title);
    return;
  }
  state.dialogs.message(
      editor, ui::makeMessage(QStringLiteral("Update results..."),
                              QString::number(count.reviewed) +
                                  QStringLiteral(" training records were reviewed.\n\n") +
                                  QString::number(count.updated) +
                                  QStringLiteral(" individual training records were found\n"
                                                 "and updated with the latest changes."),
                              ui::MessageIcon::Information));
}

}  // namespace vm::courses
