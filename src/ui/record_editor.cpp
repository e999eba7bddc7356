// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/record_editor.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/app_state.h"
#include "ui/button/pellam_button.h"
#include "ui/comments_box.h"
#include "ui/editor_buttons.h"
#include "ui/field_colours.h"
#include "ui/field_text.h"
#include "ui/refused_change.h"

namespace vm::ui {

EditorWindow::EditorWindow(AppState& state, EditorMode mode, QWidget* parent)
    : QDialog(parent),
      state_(state),
      life_(this, state),
      mode_(mode),
      colours_(FieldColours::forEditor(mode == EditorMode::Add, this)) {}

void EditorWindow::makeSaveAndCancel() {
  cmdSave_ = makeSaveButton(this);
  cmdCancel_ = makeCancelButton(this);
  connect(cmdSave_, &PellamButton::Click, this, &EditorWindow::cmdSave_Click);
  connect(cmdCancel_, &PellamButton::Click, this, &EditorWindow::cmdCancel_Click);
}

void EditorWindow::cmdCancel_Click() { life_.closeWindow(); }

void EditorWindow::useComments(QPlainTextEdit* box, QLabel* gauge, qsizetype limit) {
  txtComments_ = box;
  lblSpaceFull_ = gauge;
  commentsLimit_ = limit;
  setUpCommentsBox(box);
}

bool EditorWindow::commentsTakenBack() { return limitStoredLength(txtComments_, commentsLimit_); }

void EditorWindow::showCommentsFill() {
  updateCommentsGauge(lblSpaceFull_, txtComments_, commentsLimit_);
}

bool EditorWindow::entryComplete() const { return allFilledIn(mandatory_); }

bool EditorWindow::offerSave() {
  ui::offerSave(cmdSave_, entryComplete());
  return !cmdSave_->isHidden();
}

void EditorWindow::onFirstActivation(QLineEdit* firstBox, std::function<void()> setUp) {
  life_.onFirstActivation([this, firstBox, setUp = std::move(setUp)] {
    setUp();
    activated_ = true;
    if (!firstBox->isReadOnly()) firstBox->setFocus();
    life_.fadeIn();
  });
}

bool EditorWindow::saveEdit(const std::function<void()>& save,
                            const std::function<void()>& reload) {
  switch (makeChange(state_, this, save)) {
    case ChangeOutcome::Made:
      return true;
    case ChangeOutcome::RecordChanged:
      reload();
      return false;
    case ChangeOutcome::RecordRemoved:
      cmdCancel_Click();
      return false;
  }
  return false;
}

}  // namespace vm::ui
