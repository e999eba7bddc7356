// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/frm_credit_training.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "format/automation_date.h"
#include "format/date_parse.h"
#include "store/store_error.h"
#include "training/credit.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/busy_cursor.h"
#include "ui/button/pellam_button.h"
#include "ui/change_author.h"
#include "ui/comments_box.h"
#include "ui/dialogs.h"
#include "ui/editor_buttons.h"
#include "ui/field_colours.h"
#include "ui/field_text.h"
#include "ui/fill_gauge.h"
#include "ui/keep_place.h"
#include "ui/pictures.h"
#include "ui/refused_change.h"
#include "ui/tab_order.h"
#include "ui/tile_picture.h"

namespace vm::training {
namespace {

constexpr qsizetype kCommentsLimit = 184;
const QColor kFocused{255, 255, 128};  // light yellow

QLabel* makeLabel(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

// Both lists are in alphabetical order, ignoring case, as the names are shown.
std::vector<CreditChoice::Person> alphabetical(std::vector<CreditChoice::Person> persons) {
  std::stable_sort(persons.begin(), persons.end(), [](const auto& a, const auto& b) {
    return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
  });
  return persons;
}

}  // namespace

frmCreditTraining::frmCreditTraining(ui::AppState& state, CreditChoice choice, QWidget* parent)
    : QDialog(parent),
      state_(state),
      life_(this, state),
      choice_(std::move(choice)),
      lblCourseInfo_(new QLabel(this)),
      txtDate_(new QLineEdit(this)),
      listNames_(new QListWidget(this)),
      listSelected_(new QListWidget(this)),
      txtComments_(new QPlainTextEdit(this)),
      lblSpaceFull_(ui::makeFillGauge(this)),
      cmdSave_(ui::makeSaveButton(this)),
      cmdCancel_(ui::makeCancelButton(this)) {
  setObjectName(QStringLiteral("frmCreditTraining"));
  setWindowTitle(ui::applicationTitle() + QStringLiteral(" - Credit Training to Person(s)"));
  ui::TilePicture(ui::pictures::backgroundTile(), this);

  lblCourseInfo_->setObjectName(QStringLiteral("lblCourseInfo"));
  lblCourseInfo_->setFrameShape(QFrame::StyledPanel);
  lblCourseInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblCourseInfo_->setTextFormat(Qt::PlainText);
  txtDate_->setObjectName(QStringLiteral("txtDate"));
  txtDate_->setMaxLength(10);
  txtDate_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
  listNames_->setObjectName(QStringLiteral("listNames"));
  listNames_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  listSelected_->setObjectName(QStringLiteral("listSelected"));
  listSelected_->setSelectionMode(QAbstractItemView::NoSelection);
  listSelected_->setFocusPolicy(Qt::NoFocus);
  listSelected_->setAccessibleName(QStringLiteral("Person(s) chosen"));
  // A list takes no name from its label; screen readers find it by the label's caption.
  listNames_->setAccessibleName(QStringLiteral("Person(s) who received this training"));
  txtComments_->setObjectName(QStringLiteral("txtComments"));
  ui::setUpCommentsBox(txtComments_);
  txtComments_->setFixedHeight(fontMetrics().lineSpacing() * 5 + 12);
  ui::keepPlaceWhenHidden(lblSpaceFull_);
  auto* colours = new ui::FieldColours(kFocused, this);
  colours->attach(txtDate_);
  colours->attach(txtComments_);

  auto* hint = new QLabel(QStringLiteral("Select/unselect person(s) from this list by "
                                         "<Ctrl>Mouse-clicking on the name(s)"),
                          this);
  hint->setTextFormat(Qt::PlainText);
  hint->setWordWrap(true);
  listNames_->setToolTip(hint->text());

  auto* left = new QVBoxLayout;
  left->addWidget(makeLabel(QStringLiteral("Training course to credit"), nullptr, this));
  left->addWidget(lblCourseInfo_);
  left->addSpacing(8);
  left->addWidget(makeLabel(QStringLiteral("Date that the training was received"), txtDate_, this));
  left->addWidget(txtDate_);
  left->addSpacing(8);
  auto* commentsHead = new QHBoxLayout;
  commentsHead->addWidget(
      makeLabel(QStringLiteral("Any comments about this particular training"), txtComments_, this));
  commentsHead->addStretch();
  commentsHead->addWidget(lblSpaceFull_);
  left->addLayout(commentsHead);
  left->addWidget(txtComments_);
  left->addStretch();

  auto* right = new QVBoxLayout;
  right->addWidget(
      makeLabel(QStringLiteral("Person(s) who received this training"), listNames_, this));
  right->addWidget(listNames_, 3);
  right->addWidget(hint);
  right->addWidget(listSelected_, 2);

  for (ui::PellamButton* b : {cmdSave_, cmdCancel_}) {
    b->setMinimumSize(130, 48);
    b->setAutoDefault(false);
    ui::keepPlaceWhenHidden(b);
  }
  auto* commands = new QHBoxLayout;
  commands->addStretch();
  commands->addWidget(cmdSave_);
  commands->addWidget(cmdCancel_);

  auto* body = new QHBoxLayout;
  body->addLayout(left, 1);
  body->addSpacing(12);
  body->addLayout(right, 1);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(16, 16, 16, 12);
  page->addLayout(body, 1);
  page->addLayout(commands);
  resize(720, 480);

  // Down the left column, then the list on the right, then the commands.
  ui::setTabOrder({txtDate_, txtComments_, listNames_, cmdSave_, cmdCancel_});

  connect(txtDate_, &QLineEdit::textChanged, this, &frmCreditTraining::txtDate_Change);
  // Mouse and keyboard alike change the choice.
  connect(listNames_, &QListWidget::itemSelectionChanged, this,
          &frmCreditTraining::listNames_Click);
  connect(txtComments_, &QPlainTextEdit::textChanged, this, &frmCreditTraining::txtComments_Change);
  connect(cmdSave_, &ui::PellamButton::Click, this, &frmCreditTraining::cmdSave_Click);
  connect(cmdCancel_, &ui::PellamButton::Click, this, &frmCreditTraining::cmdCancel_Click);
  life_.onFirstActivation([this] { Form_Activate(); });
}

void frmCreditTraining::Form_Activate() {
  lblCourseInfo_->setText(QStringLiteral("\n  ") + choice_.code + QStringLiteral("\n  ") +
                          choice_.name + QStringLiteral("\n  ") + choice_.provider +
                          QStringLiteral("\n  ") + choice_.hours + QStringLiteral(" hours"));
  listNames_->setUpdatesEnabled(false);
  for (const CreditChoice::Person& p : alphabetical(choice_.persons)) {
    auto* item = new QListWidgetItem(p.name, listNames_);
    item->setData(Qt::UserRole, p.recNum);
  }
  listNames_->setUpdatesEnabled(true);
  cmdSave_->setCaption(QStringLiteral("&Credit\nthis Training"));
  cmdCancel_->setCaption(QStringLiteral("&Cancel\nthis Entry"));
  txtDate_->setFocus();
  life_.fadeIn();
}

bool frmCreditTraining::entryComplete() const {
  return !ui::trimBlanks(txtDate_->text()).isEmpty() && listSelected_->count() > 0;
}

void frmCreditTraining::txtDate_Change() { ui::offerSave(cmdSave_, entryComplete()); }

void frmCreditTraining::listNames_Click() {
  listSelected_->setUpdatesEnabled(false);
  listSelected_->clear();
  for (int i = 0; i < listNames_->count(); ++i) {
    const QListWidgetItem* from = listNames_->item(i);
    if (!from->isSelected()) continue;
    auto* item = new QListWidgetItem(from->text(), listSelected_);
    item->setData(Qt::UserRole, from->data(Qt::UserRole));
  }
  listSelected_->setUpdatesEnabled(true);
  ui::offerSave(cmdSave_, entryComplete());
}

void frmCreditTraining::txtComments_Change() {
  if (ui::limitStoredLength(txtComments_, kCommentsLimit)) return;  // changes once more
  ui::updateCommentsGauge(lblSpaceFull_, txtComments_, kCommentsLimit);
}

void frmCreditTraining::cmdSave_Click() {
  const std::optional<format::DateTime> date =
      format::parseDate(ui::trimBlanks(txtDate_->text()).toStdString());
  if (!date) {
    state_.dialogs.message(this, ui::makeMessage(QStringLiteral("Check the date entry"),
                                                 QStringLiteral("I don't understand\n"
                                                                "the date entry."),
                                                 ui::MessageIcon::Critical));
    txtDate_->selectAll();
    txtDate_->setFocus();
    return;
  }
  Credit credit;
  credit.courseRecNum = choice_.courseRecNum;
  credit.trainingDate = format::toAutomationDate(*date);
  credit.comments = ui::commentsToStore(txtComments_);
  credit.personRecNums.reserve(static_cast<std::size_t>(listSelected_->count()));
  for (int i = 0; i < listSelected_->count(); ++i)
    credit.personRecNums.push_back(listSelected_->item(i)->data(Qt::UserRole).toInt());
  const std::int32_t before = state_.records.count(store::DataFile::Training);
  try {
    const ui::BusyCursor busy(this);
    // A course or person removed by another user meanwhile refuses the whole credit.
    if (ui::makeChange(state_, this, [&] {
          state_.records.credit(ui::changeAuthor(state_), credit);
        }) != ui::ChangeOutcome::Made)
      return;
  } catch (const store::StoreError& failure) {
    // A failed write is cut back before its failure goes on. When the file is as it was, nobody
    // has been credited and the user may try again or cancel; otherwise the failure ends the
    // program as every other does.
    if (state_.records.count(store::DataFile::Training) != before) throw;
    state_.dialogs.message(
        this, ui::makeMessage(QStringLiteral("Training Not Credited"),
                              QStringLiteral("The training records could not be written:\n") +
                                  QString::fromStdString(failure.systemText()) +
                                  QStringLiteral("\n\nNo one has been credited "
                                                 "with this training."),
                              ui::MessageIcon::Critical));
    return;
  }
  life_.reportRecordSaved();
  cmdCancel_Click();
}

void frmCreditTraining::cmdCancel_Click() { life_.closeWindow(); }

}  // namespace vm::training
