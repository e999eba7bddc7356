// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/frm_add_edit_user.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "access/password.h"
#include "access/user_store.h"
#include "store/file_table.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/button/pellam_button.h"
#include "ui/change_author.h"
#include "ui/chosen_option.h"
#include "ui/comments_box.h"
#include "ui/dialogs.h"
#include "ui/field_colours.h"
#include "ui/field_text.h"
#include "ui/fill_gauge.h"
#include "ui/option_handlers.h"
#include "ui/pictures.h"
#include "ui/record_created.h"
#include "ui/tile_picture.h"

namespace vm::access {

frmAddEditUser::frmAddEditUser(ui::AppState& state, ui::EditorMode mode, int recordNumber,
                               QWidget* parent)
    : RecordEditor(state, mode, parent), recordNumber_(recordNumber) {
  setObjectName(QStringLiteral("frmAddEditUser"));
  buildControls();
  ui::TilePicture(ui::pictures::backgroundTile(), this);
  onFirstActivation(txtField_[0], [this] { firstActivation(); });
}

void frmAddEditUser::buildControls() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(18, 16, 18, 14);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);

  const QStringList labels = {"* First Name", "* Last Name", "* Password"};
  const int limits[] = {15, 20, 19};
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(labels[i], this);
    label->setObjectName(QStringLiteral("lblField%1").arg(i + 1));
    auto* field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("txtField%1").arg(i + 1));
    field->setMaxLength(limits[i]);
    label->setBuddy(field);
    txtField_[i] = field;
    grid->addWidget(label, i, 0);
    grid->addWidget(field, i, 1);
    colours_->attach(field);
    connect(field, &QLineEdit::textChanged, this, [this, i] { txtField_Change(i + 1); });
  }
  txtField_[0]->setFixedWidth(170);
  txtField_[1]->setFixedWidth(220);
  txtField_[2]->setFixedWidth(170);

  auto* fraAccessLevel = new QGroupBox(QStringLiteral("* Access Level"), this);
  fraAccessLevel->setObjectName(QStringLiteral("fraAccessLevel"));
  auto* levels = new QVBoxLayout(fraAccessLevel);
  for (int i = 0; i < 4; ++i) {
    auto* option = new QRadioButton(fraAccessLevel);
    option->setObjectName(QStringLiteral("optAccessLevel%1").arg(i + 1));
    optAccessLevel_[i] = option;
    levels->addWidget(option);
    ui::onChosen(option, this, [this, i] { optAccessLevel_Click(i + 1); });
  }
  fraAccessLevel->setFixedWidth(220);
  grid->addWidget(fraAccessLevel, 0, 2, 4, 2, Qt::AlignTop | Qt::AlignRight);

  auto* lblComments = new QLabel(QStringLiteral("Comments"), this);
  lblComments->setObjectName(QStringLiteral("lblField4"));
  QLabel* gauge = ui::makeFillGauge(this);
  useComments(new QPlainTextEdit(this), gauge, kCommentsLimit);
  lblSpaceFull_->setFrameShape(QFrame::Panel);
  lblSpaceFull_->setFrameShadow(QFrame::Sunken);
  txtComments_->setObjectName(QStringLiteral("txtField4"));
  txtComments_->setMinimumHeight(110);
  lblComments->setBuddy(txtComments_);
  colours_->attach(txtComments_);
  connect(txtComments_, &QPlainTextEdit::textChanged, this, [this] { txtField_Change(4); });
  auto* commentsHead = new QHBoxLayout;
  commentsHead->addWidget(lblComments);
  commentsHead->addStretch();
  commentsHead->addWidget(lblSpaceFull_);
  grid->addLayout(commentsHead, 4, 0, 1, 4);
  grid->addWidget(txtComments_, 5, 0, 1, 4);

  auto* lblMandatory = new QLabel(QStringLiteral("* (Mandatory Entry)"), this);
  lblMandatory->setObjectName(QStringLiteral("lblMandatory"));
  lblDateCreated_ = ui::makeRecordCreatedLabel(this);
  lblDateCreated_->setFrameShape(QFrame::Panel);
  lblDateCreated_->setFrameShadow(QFrame::Sunken);
  auto* notes = new QVBoxLayout;
  notes->addWidget(lblMandatory);
  notes->addWidget(lblDateCreated_);
  notes->addStretch();
  grid->addLayout(notes, 6, 0, 1, 2);

  makeSaveAndCancel();
  for (ui::PellamButton* b : {cmdSave_, cmdCancel_}) b->setFixedSize(112, 46);
  auto* commands = new QHBoxLayout;
  commands->addStretch();
  commands->addWidget(cmdSave_);
  commands->addWidget(cmdCancel_);
  grid->addLayout(commands, 6, 2, 1, 2, Qt::AlignRight | Qt::AlignBottom);
  grid->setColumnStretch(1, 1);
  setMandatory({txtField_[0], txtField_[1], txtField_[2]});

  connect(colours_, &ui::FieldColours::fieldFocused, this, [this](QWidget* field) {
    if (field == txtField_[2] && txtField_[2]->text().isEmpty())
      txtField_[2]->setText(kPasswordHint);
  });
  setFixedSize(620, 430);
}

void frmAddEditUser::firstActivation() {
  setWindowTitle((isAddMode() ? "Add a User" : "View/Edit this User") + QStringLiteral(" - ") +
                 ui::applicationTitle());
  for (int i = 0; i < 4; ++i) optAccessLevel_[i]->setText(state_.AccessLevelNames[i]);
  if (isAddMode()) {
    recordNumber_ = state_.records.count(store::DataFile::Users) + 1;
    cmdSave_->setCaption(QStringLiteral("&Save\nNew Entry"));
    cmdSave_->show();
    cmdSave_->setEnabled(false);
    cmdCancel_->setCaption(QStringLiteral("&Cancel\nNew Entry"));
    optAccessLevel_[0]->setChecked(true);
  } else {
    cmdSave_->setCaption(QStringLiteral("&Save\nChanges"));
    cmdSave_->hide();
    cmdCancel_->setCaption(QStringLiteral("&Finished\nViewing"));
    loadRecord();
  }
  cmdSave_->Refresh();
  cmdCancel_->Refresh();
}

void frmAddEditUser::loadRecord() {
  const store::UserRecord user = state_.records.user(recordNumber_);
  ui::showRecordCreated(lblDateCreated_, user.DateCreated);
  // A level outside 1 to 4 (written by another program) is shown, and kept, as the lowest one,
  // which is all the log-in grants such a user.
  const int level = user.AccessLevel >= 1 && user.AccessLevel <= 4 ? user.AccessLevel : 1;
  optAccessLevel_[level - 1]->setChecked(true);
  txtField_[0]->setText(ui::trimmedField(user.FirstName));
  txtField_[1]->setText(ui::trimmedField(user.LastName));
  loadedPassword_ = QString::fromStdString(UnscramblePassword(user.Password));
  txtField_[2]->setText(loadedPassword_);
  ui::showComments(txtComments_, user.Comments);
}

void frmAddEditUser::txtField_Change(int index) {
  if (index == 4) {
    // Taking back what went beyond the limit changes the box once more.
    if (commentsTakenBack()) return;
    showCommentsFill();
  }
  if (activated()) savingAllowedChanged();
}

void frmAddEditUser::savingAllowedChanged() {
  offerSave();
  if (!isAddMode()) cmdCancel_->setCaption(QStringLiteral("&Cancel\nChanges"));
}

void frmAddEditUser::optAccessLevel_Click(int index) {
  selectedLevel_ = index;
  for (int i = 0; i < 4; ++i) ui::markChosenOption(optAccessLevel_[i], i == index - 1);
  if (activated() && !isAddMode()) savingAllowedChanged();
}

void frmAddEditUser::cmdSave_Click() {
  if (!IsValidPassword(txtField_[2]->text().toStdString())) {
    state_.dialogs.message(this, ui::makeMessage("Invalid Password Entry",
                                                 "The password must be\n"
                                                 "4 to 8 characters, using\n"
                                                 "letters and numbers only.",
                                                 ui::MessageIcon::Exclamation));
    txtField_[2]->setFocus();
    return;
  }
  store::UserRecord user;
  user.FirstName = ui::trimBlanks(txtField_[0]->text()).toStdString();
  user.LastName = ui::trimBlanks(txtField_[1]->text()).toStdString();
  user.Password = ScramblePassword(txtField_[2]->text().toStdString());
  user.AccessLevel = static_cast<std::int16_t>(selectedLevel_);
  user.Comments = ui::commentsToStore(txtComments_);
  if (isAddMode()) {
    const std::optional<store::UserRecord> added =
        state_.records.addUser(ui::administratorAuthor(state_), user);
    if (!added) {
      state_.dialogs.message(this, ui::makeMessage("'User List' Full",
                                                   "The 'User List' already holds\n"
                                                   "32,767 users, all it can hold.\n\n"
                                                   "This user has not been added.",
                                                   ui::MessageIcon::Critical));
      return;
    }
    reportSaved(*added);
  } else {
    if (!saveEdit(
            [&] {
              reportSaved(state_.records.saveUser(ui::administratorAuthor(state_), recordNumber_,
                                                  user, txtField_[2]->text() != loadedPassword_));
            },
            [this] { loadRecord(); }))
      return;
  }
  cmdCancel_Click();
}

}  // namespace vm::access
