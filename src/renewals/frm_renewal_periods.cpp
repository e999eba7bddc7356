// SPDX-License-Identifier: GPL-3.0-or-later
#include "renewals/frm_renewal_periods.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "courses/course_rows.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/busy_cursor.h"
#include "ui/button/command_button.h"
#include "ui/change_author.h"
#include "ui/editor_buttons.h"
#include "ui/elsewhere_watch.h"
#include "ui/field_colours.h"
#include "ui/grid/grid.h"
#include "ui/grid_place.h"
#include "ui/help/help_button.h"
#include "ui/help/help_menu.h"
#include "ui/tab_order.h"

namespace vm::renewals {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString monthsCell(int months) { return months > 0 ? QString::number(months) : QString(); }
const QColor kMonthsFocus{255, 255, 128};

}  // namespace

frmRenewalPeriods::frmRenewalPeriods(ui::AppState& state, QWidget* parent)
    : QDialog(parent),
      state_(state),
      life_(this, state),
      gridPeriods_(new ui::Grid(this)),
      lblMonths_(
          new QLabel(QStringLiteral("Renewal period of the highlighted course (months):"), this)),
      txtMonths_(new QLineEdit(this)),
      cmdSave_(ui::makeSaveButton(this)),
      cmdCancel_(ui::makeCancelButton(this)) {
  setObjectName(QStringLiteral("frmRenewalPeriods"));
  setWindowTitle(ui::applicationTitle() + QStringLiteral(" - Renewal Periods"));
  gridPeriods_->setObjectName(QStringLiteral("gridPeriods"));
  gridPeriods_->setAccessibleName(QStringLiteral("Renewal periods"));
  txtMonths_->setObjectName(QStringLiteral("txtMonths"));
  txtMonths_->setMaxLength(3);
  txtMonths_->setFixedWidth(60);
  txtMonths_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this));
  lblMonths_->setBuddy(txtMonths_);
  (new ui::FieldColours(kMonthsFocus, this))->attach(txtMonths_);

  auto* intro = new QLabel(QStringLiteral("A training lapses this many months after the day it was "
                                          "taken.\nAn empty period or 0: the course never lapses."),
                           this);
  auto* entry = new QHBoxLayout;
  entry->addWidget(lblMonths_);
  entry->addWidget(txtMonths_);
  entry->addStretch();
  ui::PellamButton* cmdHelp = ui::makeHelpButton(this, state, ui::help::kRenewalPeriodsTopic, 40);
  auto* commands = new QHBoxLayout;
  commands->addWidget(cmdHelp);
  commands->addStretch();
  for (ui::PellamButton* b : {cmdSave_, cmdCancel_}) {
    b->setMinimumSize(130, 40);
    b->setAutoDefault(false);
    commands->addWidget(b);
  }
  auto* page = new QVBoxLayout(this);
  page->addWidget(intro);
  page->addWidget(gridPeriods_, 1);
  page->addLayout(entry);
  page->addLayout(commands);
  resize(640, 480);
  ui::setTabOrder({gridPeriods_, txtMonths_, cmdHelp, cmdSave_, cmdCancel_});

  cmdCancel_->setCancel(true);  // Esc
  connect(gridPeriods_, &ui::Grid::rowColChange, this,
          &frmRenewalPeriods::gridPeriods_RowColChange);
  connect(txtMonths_, &QLineEdit::textChanged, this, &frmRenewalPeriods::txtMonths_Change);
  connect(txtMonths_, &QLineEdit::returnPressed, this, [this] {
    if (cmdSave_->isVisible() && cmdSave_->isEnabled()) cmdSave_Click();
  });
  connect(cmdSave_, &ui::PellamButton::Click, this, &frmRenewalPeriods::cmdSave_Click);
  connect(cmdCancel_, &ui::PellamButton::Click, this, [this] { life_.closeWindow(); });
  life_.onFirstActivation([this] { Form_Activate(); });
  new ui::ElsewhereWatch(
      this, state_.records, {.courses = true, .renewalPeriods = true},
      [this] { return anyTyped(); },
      [this](const records::ChangedLists&) { listChangesElsewhere(); });
}

bool frmRenewalPeriods::mayEdit() const { return state_.changeLevel() >= 2; }

std::size_t frmRenewalPeriods::rowOf(int gridRow) const {
  return gridPeriods_->text(gridRow, kRow).toULongLong();
}

void frmRenewalPeriods::Form_Activate() {
  cmdSave_->setCaption(QStringLiteral("Save"));
  cmdSave_->setToolTip(QStringLiteral(" Save the renewal periods "));
  cmdCancel_->setCaption(mayEdit() ? QStringLiteral("Cancel") : QStringLiteral("Close"));
  fillGrid();
  txtMonths_->setReadOnly(!mayEdit());
  if (!rows_.empty()) {
    gridPeriods_->selectRow(1);
    gridPeriods_RowColChange(1);
  } else {
    txtMonths_->setEnabled(false);
  }
  gridPeriods_->setFocus();
}

void frmRenewalPeriods::fillGrid() {
  {
    const ui::BusyCursor busy(this);
    rows_ = periodRows(courses::courseRows(state_.records.courses()),
                       periodsOf(state_.records.renewalPeriods()));
  }
  months_.clear();
  std::vector<QStringList> cells;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    months_.push_back(rows_[i].months);
    cells.push_back(
        {qs(rows_[i].code), qs(rows_[i].name), monthsCell(rows_[i].months), QString::number(i)});
  }
  gridPeriods_->reset(QStringLiteral("<Course Code|<Name of Course|>Months|Row"));
  gridPeriods_->setRows(std::move(cells));
  gridPeriods_->hideColumn(kRow);
  gridPeriods_->shadeAlternateRows(kCode, kMonths);
  gridPeriods_->setColumnWidthTwips(kName, 4800);
  gridPeriods_->fillWidthWith(kName);
}

void frmRenewalPeriods::listChangesElsewhere() {
  ui::refillInPlace(*gridPeriods_, kCode, [this] { fillGrid(); });
  txtMonths_->setEnabled(!rows_.empty());
  if (rows_.empty()) return;
  if (gridPeriods_->currentRow() < 1) gridPeriods_->selectRow(1);
  gridPeriods_RowColChange(gridPeriods_->currentRow());
}

void frmRenewalPeriods::gridPeriods_RowColChange(int row) {
  if (row < 1) return;
  showing_ = true;
  txtMonths_->setText(monthsCell(months_[rowOf(row)]));
  showing_ = false;
  // A category heading is never credited, so it has nothing to renew.
  txtMonths_->setEnabled(!rows_[rowOf(row)].heading);
}

void frmRenewalPeriods::txtMonths_Change() {
  const int row = gridPeriods_->currentRow();
  if (showing_ || row < 1 || !mayEdit()) return;
  const std::optional<int> months = periodEntry(txtMonths_->text().toStdString());
  if (!months) return;  // the box takes digits only
  months_[rowOf(row)] = *months;
  gridPeriods_->setText(row, kMonths, monthsCell(*months));
  bool changed = false;
  for (std::size_t i = 0; i < rows_.size(); ++i) changed = changed || months_[i] != rows_[i].months;
  ui::offerSave(cmdSave_, changed);
}

void frmRenewalPeriods::cmdSave_Click() {
  std::vector<PeriodChange> changes;
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (months_[i] != rows_[i].months)
      changes.push_back({rows_[i].courseId, months_[i], rows_[i].code, rows_[i].name});
  {
    const ui::BusyCursor busy(this);
    state_.records.savePeriodChanges(ui::changeAuthor(state_), changes);
  }
  life_.reportRecordSaved();
  life_.closeWindow();
}

}  // namespace vm::renewals
