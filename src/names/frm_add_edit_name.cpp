// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/frm_add_edit_name.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "names/person_store.h"
#include "store/file_table.h"
#include "store/records.h"
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
#include "ui/tab_order.h"
#include "ui/tile_picture.h"

namespace vm::names {
namespace {

using store::DataFile;

const std::array<const char*, 6> kLabels = {"*First Name",  "Middle Name", "*Last Name",
                                            "Organization", "Employee ID", "Comments"};

}  // namespace

frmAddEditName::frmAddEditName(ui::AppState& state, ui::EditorMode mode, std::int32_t recNum,
                               QWidget* parent)
    : RecordEditor(state, mode, parent),
      recNum_(recNum),
      lblMandatory_(nullptr),
      lblDateCreated_(nullptr) {
  auto* comments = new QPlainTextEdit(this);
  lblMandatory_ = new QLabel(QStringLiteral("* Mandatory Entry"), this);
  lblDateCreated_ = ui::makeRecordCreatedLabel(this);
  useComments(comments, ui::makeFillGauge(this), kMaxLength[5]);
  makeSaveAndCancel();
  setObjectName(QStringLiteral("frmAddEditName"));
  setWindowTitle(ui::applicationTitle());
  ui::TilePicture(ui::pictures::backgroundTile(), this);

  auto* fields = new QGridLayout;
  for (int i = 0; i < 6; ++i) {
    auto* label = new QLabel(QString::fromLatin1(kLabels[static_cast<std::size_t>(i)]), this);
    QWidget* field = txtComments_;
    if (i < 5) {
      auto* line = new QLineEdit(this);
      line->setMaxLength(kMaxLength[static_cast<std::size_t>(i)]);
      txtField_[static_cast<std::size_t>(i)] = line;
      field = line;
      connect(line, &QLineEdit::textChanged, this, [this, i] { txtField_Change(i + 1); });
    }
    field->setObjectName(QStringLiteral("txtField%1").arg(i + 1));
    label->setBuddy(field);
    colours_->attach(field);
    fields->addWidget(label, i, 0, i == 5 ? Qt::AlignTop | Qt::AlignRight : Qt::AlignRight);
    fields->addWidget(field, i, 1);
  }
  const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('M'));
  for (int i = 0; i < 5; ++i)
    txtField_[static_cast<std::size_t>(i)]->setMinimumWidth(
        std::min(kMaxLength[static_cast<std::size_t>(i)], 24) * charWidth * 3 / 4 + 12);
  txtComments_->setMinimumHeight(fontMetrics().lineSpacing() * 6 + 10);
  connect(txtComments_, &QPlainTextEdit::textChanged, this, [this] { txtField_Change(6); });
  setMandatory({txtField_[0], txtField_[2]});
  fields->addWidget(lblSpaceFull_, 6, 1, Qt::AlignRight);
  fields->setColumnStretch(1, 1);

  auto* status = new QGroupBox(this);
  auto* statusLayout = new QVBoxLayout(status);
  const std::array<const char*, 2> statusCaptions = {"Active Person", "Inactive Person"};
  for (int i = 0; i < 2; ++i) {
    auto* option =
        new QRadioButton(QString::fromLatin1(statusCaptions[static_cast<std::size_t>(i)]), status);
    option->setObjectName(QStringLiteral("optStatus%1").arg(i + 1));
    option->setMinimumHeight(24);
    connect(option, &QRadioButton::toggled, this, [this] { styleStatus(); });
    ui::onChosen(option, this, [this] { optStatus_Click(); });
    optStatus_[static_cast<std::size_t>(i)] = option;
    statusLayout->addWidget(option);
  }
  lblMandatory_->setObjectName(QStringLiteral("lblMandatory"));

  auto* side = new QVBoxLayout;
  side->addWidget(status);
  side->addWidget(lblMandatory_);
  side->addStretch();
  side->addWidget(cmdSave_);
  side->addWidget(cmdCancel_);

  auto* body = new QHBoxLayout;
  body->addLayout(fields, 1);
  body->addSpacing(12);
  body->addLayout(side);
  auto* page = new QVBoxLayout(this);
  page->addLayout(body, 1);
  page->addWidget(lblDateCreated_);

  for (ui::PellamButton* b : {cmdSave_, cmdCancel_}) {
    b->setAutoDefault(false);
    b->setMinimumSize(110, 44);
  }
  ui::setTabOrder({txtField_[0], txtField_[1], txtField_[2], txtField_[3], txtField_[4],
                   txtComments_, optStatus_[0], optStatus_[1], cmdSave_, cmdCancel_});
  onFirstActivation(txtField_[0], [this] { Form_Activate(); });
}

void frmAddEditName::Form_Activate() {
  const bool viewOnly = state_.changeLevel() < 2;
  setWindowTitle(ui::applicationTitle() + QStringLiteral(" - ") +
                 (viewOnly                       ? QStringLiteral("View this person's details")
                  : mode_ == ui::EditorMode::Add ? QStringLiteral("Add a Name")
                                                 : QStringLiteral("View/Edit this Name")));
  if (mode_ == ui::EditorMode::Add) {
    recNum_ = state_.records.count(DataFile::Names) + 1;
    cmdSave_->setText(QStringLiteral("New Entry\n&Save"));
    cmdCancel_->setText(QStringLiteral("New Entry\n&Cancel"));
    chooseStatus(true);
  } else {
    loadPerson();
  }
}

void frmAddEditName::loadPerson() {
  const store::NameRecord r = state_.records.person(recNum_);
  loadedActive_ = r.Active;
  if (state_.changeLevel() >= 2) {
    cmdSave_->setText(QStringLiteral("Changes\n&Save"));
  } else {
    optStatus_[r.Active == store::kActive ? 1 : 0]->setEnabled(false);
    colours_->lockForViewing(cmdCancel_);
  }
  cmdCancel_->setText(QStringLiteral("Viewing\n&Finished"));
  ui::showRecordCreated(lblDateCreated_, r.DateCreated);
  chooseStatus(r.Active == store::kActive);
  const std::array<const std::string*, 5> texts = {&r.FirstName, &r.MiddleName, &r.LastName,
                                                   &r.Organization, &r.EmployeeID};
  for (std::size_t i = 0; i < 5; ++i) txtField_[i]->setText(ui::trimmedField(*texts[i]));
  ui::showComments(txtComments_, r.Comments);
}

void frmAddEditName::offerChanges() {
  if (offerSave() && mode_ == ui::EditorMode::Edit && state_.changeLevel() > 1)
    cmdCancel_->setText(QStringLiteral("Changes\n&Cancel"));
}

void frmAddEditName::txtField_Change(int index) {
  if (index == 6 && commentsTakenBack()) return;  // changed again
  if (!activated()) return;
  offerChanges();
  if (index == 6) showCommentsFill();
}

bool frmAddEditName::activeChosen() const { return optStatus_[0]->isChecked(); }

void frmAddEditName::chooseStatus(bool active) { optStatus_[active ? 0 : 1]->setChecked(true); }

void frmAddEditName::styleStatus() {
  for (QRadioButton* option : optStatus_) {
    const bool chosen = option->isChecked();
    ui::markChosenOption(option, chosen);
    QFont f = option->font();
    f.setPointSize(chosen ? 11 : 8);
    option->setFont(f);
  }
}

void frmAddEditName::optStatus_Click() {
  if (mode_ == ui::EditorMode::Edit && state_.changeLevel() > 1 && activated()) offerChanges();
}

QString frmAddEditName::fieldText(int index) const {
  return ui::trimBlanks(txtField_[static_cast<std::size_t>(index - 1)]->text());
}

void frmAddEditName::cmdSave_Click() {
  if (mode_ == ui::EditorMode::Edit) {
    const bool changed = (loadedActive_ == store::kInactive && !optStatus_[1]->isChecked()) ||
                         (loadedActive_ == store::kActive && !activeChosen());
    if (changed) {
      const ui::Answer a = state_.dialogs.message(
          this, ui::makeMessage(
                    QStringLiteral("Verify Status Change"),
                    QStringLiteral("The active/inactive status for\n"
                                   "this person has been changed.\n"
                                   "\n"
                                   "Do you now want to list this person\n"
                                   "as ") +
                        (activeChosen() ? QStringLiteral("active") : QStringLiteral("inactive")) +
                        QStringLiteral("?"),
                    ui::MessageIcon::Question, ui::MessageButtons::YesNo));
      if (a != ui::Answer::Yes) {
        chooseStatus(loadedActive_ == store::kActive);
        return;
      }
    }
  }

  store::NameRecord r;
  r.FirstName = fieldText(1).toStdString();
  r.MiddleName = fieldText(2).toStdString();
  r.LastName = fieldText(3).toStdString();
  r.Organization = fieldText(4).toStdString();
  r.EmployeeID = fieldText(5).toStdString();
  r.Comments = ui::commentsToStore(txtComments_);
  r.Active = activeChosen() ? store::kActive : store::kInactive;
  if (mode_ == ui::EditorMode::Add) {
    const std::optional<store::NameRecord> added =
        state_.records.addPerson(ui::changeAuthor(state_), r);
    if (!added) {
      tellListFull();
      return;
    }
    reportSaved(*added);
  } else {
    if (!saveEdit(
            [&] { reportSaved(state_.records.savePerson(ui::changeAuthor(state_), recNum_, r)); },
            [this] { loadPerson(); }))
      return;
  }
  cmdCancel_Click();
}

void frmAddEditName::tellListFull() {
  state_.dialogs.message(this, ui::makeMessage(QStringLiteral("Name List Full"),
                                               QStringLiteral("The 'Name List' already holds "
                                                              "32,767 persons,\n"
                                                              "the most it can hold.\n"
                                                              "\n"
                                                              "This person has not been added."),
                                               ui::MessageIcon::Critical));
}

}  // namespace vm::names
