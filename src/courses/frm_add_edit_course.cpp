// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/frm_add_edit_course.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "courses/course_entry.h"
#include "courses/course_propagation_offer.h"
#include "courses/course_store.h"
#include "format/number_text.h"
#include "store/file_table.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/button/command_button.h"
#include "ui/change_author.h"
#include "ui/comments_box.h"
#include "ui/dialogs.h"
#include "ui/field_colours.h"
#include "ui/field_text.h"
#include "ui/fill_gauge.h"
#include "ui/keep_place.h"
#include "ui/pictures.h"
#include "ui/record_created.h"
#include "ui/tab_order.h"
#include "ui/tile_picture.h"

namespace vm::courses {
namespace {

using store::DataFile;

struct BoxRule {
  const char* label;
  int limit;
  bool mandatory;
};
// txtField1 to txtField5.
constexpr std::array<BoxRule, 5> kFields = {{{"*Course Code", 8, true},
                                             {"*Name of Course", 50, true},
                                             {"Provided by", 30, false},
                                             {"*Hours", 5, true},
                                             {"Comments", 200, false}}};
constexpr int kCode = 0, kName = 1, kProvider = 2, kHours = 3;
constexpr int kCommentsLimit = kFields[4].limit;
const QColor kMandatoryText{255, 0, 0};

void paintText(QLabel* label, const QColor& colour) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, colour);
  label->setPalette(p);
}

}  // namespace

frmAddEditCourse::frmAddEditCourse(ui::AppState& state, ui::EditorMode mode, std::int32_t recNum,
                                   QWidget* parent)
    : RecordEditor(state, mode, parent), recNum_(recNum) {
  auto* comments = new QPlainTextEdit(this);
  lblMandatory_ = new QLabel(QStringLiteral("* Mandatory Entry"), this);
  lblDateCreated_ = ui::makeRecordCreatedLabel(this);
  useComments(comments, ui::makeFillGauge(this), kCommentsLimit);
  makeSaveAndCancel();
  cmdHelp_ = ui::makeCommandButton(this, QStringLiteral("cmdHelp"), {});
  setObjectName(QStringLiteral("frmAddEditCourse"));
  setWindowTitle(ui::applicationTitle());
  ui::TilePicture(ui::pictures::backgroundTile(), this);

  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(10);
  const int charWidth = fontMetrics().averageCharWidth();
  for (int i = 0; i < 5; ++i) {
    const BoxRule& rule = kFields[static_cast<std::size_t>(i)];
    auto* label = new QLabel(QString::fromLatin1(rule.label), this);
    label->setObjectName(QStringLiteral("lblField%1").arg(i + 1));
    paintText(label, rule.mandatory ? kMandatoryText : QColor(Qt::black));
    QWidget* field = txtComments_;
    if (i < 4) {
      auto* line = new QLineEdit(this);
      line->setMaxLength(rule.limit);
      // A box as wide as its longest entry; the name takes the whole row.
      if (i != kName) line->setFixedWidth((rule.limit + 3) * charWidth + 12);
      txtField_[static_cast<std::size_t>(i)] = line;
      field = line;
      connect(line, &QLineEdit::textChanged, this, [this, i] { txtField_Change(i + 1); });
    }
    field->setObjectName(QStringLiteral("txtField%1").arg(i + 1));
    label->setBuddy(field);
    colours_->attach(field);
    fields->addWidget(label, i, 0, i == 4 ? Qt::AlignTop | Qt::AlignRight : Qt::AlignRight);
    fields->addWidget(field, i, 1, 1, 1, i == kName || i == 4 ? Qt::Alignment() : Qt::AlignLeft);
  }
  setMandatory({txtField_[kCode], txtField_[kName], txtField_[kHours]});
  txtComments_->setFixedHeight(fontMetrics().lineSpacing() * 6 + 12);
  connect(txtComments_, &QPlainTextEdit::textChanged, this, [this] { txtField_Change(5); });
  ui::keepPlaceWhenHidden(lblSpaceFull_);
  fields->addWidget(lblSpaceFull_, 5, 1, Qt::AlignRight);
  fields->setColumnStretch(1, 1);

  lblMandatory_->setObjectName(QStringLiteral("lblMandatory"));
  paintText(lblMandatory_, kMandatoryText);

  cmdHelp_->setPictureNormal(ui::pictures::help(32));
  cmdHelp_->setFixedSize(48, 48);
  for (ui::PellamButton* b : {cmdSave_, cmdCancel_}) {
    b->setMinimumSize(130, 48);
    ui::keepPlaceWhenHidden(b);
  }
  auto* commands = new QHBoxLayout;
  commands->addWidget(lblMandatory_, 0, Qt::AlignBottom);
  commands->addStretch();
  commands->addWidget(cmdHelp_);
  commands->addSpacing(12);
  commands->addWidget(cmdSave_);
  commands->addWidget(cmdCancel_);
  ui::setTabOrder({txtComments_, cmdHelp_, cmdSave_, cmdCancel_});

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(16, 16, 16, 12);
  page->addLayout(fields);
  page->addSpacing(8);
  page->addLayout(commands);
  page->addWidget(lblDateCreated_);
  setMinimumWidth(600);

  cmdCancel_->setCancel(true);  // Esc
  for (ui::PellamButton* b : {cmdSave_, cmdCancel_, cmdHelp_}) b->setAutoDefault(false);
  connect(cmdHelp_, &ui::PellamButton::Click, this, &frmAddEditCourse::cmdHelp_Click);
  onFirstActivation(txtField_[kCode], [this] { Form_Activate(); });
}

void frmAddEditCourse::Form_Activate() {
  const bool viewOnly = state_.changeLevel() < 2;
  setWindowTitle(ui::applicationTitle() + QStringLiteral(" - ") +
                 (viewOnly      ? QStringLiteral("View the details of this course")
                  : isAddMode() ? QStringLiteral("Add a Course")
                                : QStringLiteral("View/Edit this Course")));
  if (isAddMode()) {
    // A new course takes the number after the last when it is saved.
    cmdSave_->setCaption(QStringLiteral("&Save\nNew Course"));
    cmdCancel_->setCaption(QStringLiteral("&Cancel\nNew Course"));
  } else {
    loadCourse();
  }
  cmdHelp_->setToolTip(QStringLiteral(" Click here for important information about Course Codes "));
}

void frmAddEditCourse::loadCourse() {
  const store::CourseRecord c = state_.records.course(recNum_);
  if (state_.changeLevel() >= 2) {
    cmdSave_->setCaption(QStringLiteral("&Save\nChanges"));
  } else {
    colours_->lockForViewing(cmdCancel_);
  }
  cmdCancel_->setCaption(QStringLiteral("&Finished\nViewing"));
  ui::showRecordCreated(lblDateCreated_, c.DateCreated);
  txtField_[kCode]->setText(ui::trimmedField(c.CourseCode));
  txtField_[kName]->setText(ui::trimmedField(c.CourseName));
  txtField_[kProvider]->setText(ui::trimmedField(c.ProvidedBy));
  txtField_[kHours]->setText(QString::fromStdString(format::shortestSingle(c.Hours)));
  ui::showComments(txtComments_, c.Comments);
}

void frmAddEditCourse::txtField_Change(int index) {
  if (index == 5) {
    if (commentsTakenBack()) return;  // changes once more
    showCommentsFill();
  }
  if (!activated()) return;
  if (offerSave() && !isAddMode() && state_.changeLevel() >= 2)
    cmdCancel_->setCaption(QStringLiteral("&Cancel\nChanges"));
}

void frmAddEditCourse::refuse(const QString& text, QWidget* focus) {
  state_.dialogs.message(
      this, ui::makeMessage(QStringLiteral("Entry Error"), text, ui::MessageIcon::Critical));
  focus->setFocus();
}

bool frmAddEditCourse::refuseEntry() {
  switch (readHoursEntry(txtField_[kHours]->text().toStdString()).problem) {
    case HoursEntry::Problem::NotNumeric:
      refuse(QStringLiteral("There must be some value\nin the 'Hours' field."), txtField_[kHours]);
      return true;
    case HoursEntry::Problem::TooLarge:
      refuse(QStringLiteral("The value in the 'Hours' field\nis too large to be kept."),
             txtField_[kHours]);
      return true;
    case HoursEntry::Problem::None:
      break;
  }
  if (isReservedCourseCode(txtField_[kCode]->text().toStdString())) {
    refuse(QStringLiteral("The text '$Killed$' marks removed records\n"
                          "and cannot be a 'Course Code'."),
           txtField_[kCode]);
    return true;
  }
  return false;
}

void frmAddEditCourse::cmdSave_Click() {
  if (refuseEntry()) return;
  store::CourseRecord course;
  course.CourseCode = txtField_[kCode]->text().toStdString();
  course.CourseName = txtField_[kName]->text().toStdString();
  course.ProvidedBy = txtField_[kProvider]->text().toStdString();
  course.Hours = readHoursEntry(txtField_[kHours]->text().toStdString()).hours;
  course.Comments = ui::commentsToStore(txtComments_);

  if (isAddMode()) {
    const std::optional<store::CourseRecord> added =
        state_.records.addCourse(ui::changeAuthor(state_), course);
    if (!added) {
      state_.dialogs.message(
          this, ui::makeMessage(QStringLiteral("Course Index Full"),
                                QStringLiteral("The 'Course Index' already holds 32,767 "
                                               "courses,\nthe most it can hold.\n\n"
                                               "This course has not been added."),
                                ui::MessageIcon::Critical));
      return;
    }
    course = *added;
  } else {
    if (!saveEdit(
            [&] { course = state_.records.saveCourse(ui::changeAuthor(state_), recNum_, course); },
            [this] { loadCourse(); }))
      return;
  }
  reportSaved(course);
  // A category heading is never carried into training records.
  if (!isAddMode() && state_.records.exists(DataFile::Training) && course.Hours > 0)
    offerPropagation(state_, this, recNum_);
  cmdCancel_Click();
}

// The help window dims this one while it is open.
void frmAddEditCourse::cmdHelp_Click() { state_.openHelp(this, 6); }  // Course Code Conventions

}  // namespace vm::courses
