// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/frm_change_log.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <tuple>

#include "access/change_log_model.h"
#include "format/date_parse.h"
#include "store/change_log/change_log_export.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/busy_cursor.h"
#include "ui/button/command_button.h"
#include "ui/dialogs.h"
#include "ui/field_text.h"
#include "ui/grid/grid_export.h"
#include "ui/help/help_button.h"
#include "ui/help/help_menu.h"
#include "ui/pictures.h"
#include "ui/tab_order.h"
#include "ui/tile_picture.h"

namespace vm::access {
namespace {

ui::PellamButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                             const QString& toolTip) {
  ui::PellamButton* b = ui::makeCommandButton(parent, QString::fromLatin1(name), caption, toolTip);
  b->setAutoDefault(false);
  b->setMinimumSize(110, 34);
  return b;
}

QLineEdit* makeBox(QWidget* parent, const char* name, const QString& toolTip) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setToolTip(toolTip);
  return box;
}

QLabel* makeLabel(QWidget* parent, const QString& caption, QWidget* buddy) {
  auto* label = new QLabel(caption, parent);
  label->setBuddy(buddy);
  return label;
}

// The date in a box, nothing for an empty box; false for one that is not a date.
bool dateIn(const QLineEdit* box, std::optional<format::DateTime>& date) {
  const std::string text = ui::trimBlanks(box->text()).toStdString();
  date = text.empty() ? std::nullopt : format::parseDate(text);
  return text.empty() || date.has_value();
}

}  // namespace

frmChangeLog::frmChangeLog(ui::AppState& state, QWidget* parent)
    : QDialog(parent),
      state_(state),
      life_(this, state),
      model_(new ChangeLogModel(state.records, this)),
      txtFind_(makeBox(this, "txtFind", QStringLiteral(" List the changes that hold this text "))),
      txtFrom_(
          makeBox(this, "txtFrom", QStringLiteral(" List the changes of this day and later "))),
      txtTo_(makeBox(this, "txtTo", QStringLiteral(" List the changes of this day and earlier "))),
      gridChangeLog_(new QTableView(this)),
      lblCount_(new QLabel(this)),
      cmdApply_(makeButton(this, "cmdApply", QStringLiteral("&Apply"),
                           QStringLiteral(" List the changes that hold the text, between the "
                                          "dates "))),
      cmdClear_(makeButton(this, "cmdClear", QStringLiteral("C&lear"),
                           QStringLiteral(" List every change again "))),
      cmdExport_(makeButton(this, "cmdExport", QStringLiteral("&Export to CSV..."),
                            QStringLiteral(" Save the changes listed as a CSV file "))),
      cmdClose_(makeButton(this, "cmdClose", QStringLiteral("&Close"),
                           QStringLiteral(" Close the change log "))) {
  setObjectName(QStringLiteral("frmChangeLog"));
  setWindowTitle(ui::applicationTitle() + QStringLiteral(" - Change Log"));
  ui::TilePicture(ui::pictures::backgroundTile(), this);
  for (QLineEdit* box : {txtFrom_, txtTo_}) {
    box->setPlaceholderText(QStringLiteral("mm/dd/yyyy"));
    box->setMaxLength(20);
    box->setFixedWidth(110);
  }
  txtFind_->setMaxLength(100);

  gridChangeLog_->setObjectName(QStringLiteral("gridChangeLog"));
  gridChangeLog_->setModel(model_);
  gridChangeLog_->setSelectionBehavior(QAbstractItemView::SelectRows);
  gridChangeLog_->setSelectionMode(QAbstractItemView::SingleSelection);
  gridChangeLog_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  gridChangeLog_->setAlternatingRowColors(true);
  gridChangeLog_->setStyleSheet(
      QStringLiteral("QTableView { alternate-background-color: rgb(240,240,240); }"));
  gridChangeLog_->setWordWrap(false);
  gridChangeLog_->setTabKeyNavigation(false);
  gridChangeLog_->verticalHeader()->hide();
  gridChangeLog_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  QHeaderView* header = gridChangeLog_->horizontalHeader();
  header->setHighlightSections(false);
  header->setStretchLastSection(true);
  const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
  header->resizeSection(ChangeLogModel::When, digit * 20);
  header->resizeSection(ChangeLogModel::User, digit * 15);
  header->resizeSection(ChangeLogModel::Action, digit * 19);
  header->resizeSection(ChangeLogModel::Record, digit * 28);
  // Fits a screen 800 pixels wide; a larger window gives the details the room.
  gridChangeLog_->setMinimumSize(digit * 94, fontMetrics().height() * 22);
  lblCount_->setObjectName(QStringLiteral("lblCount"));

  auto* filters = new QHBoxLayout;
  filters->addWidget(makeLabel(this, QStringLiteral("&Find:"), txtFind_));
  filters->addWidget(txtFind_, 1);
  filters->addSpacing(12);
  filters->addWidget(makeLabel(this, QStringLiteral("Fr&om:"), txtFrom_));
  filters->addWidget(txtFrom_);
  filters->addWidget(makeLabel(this, QStringLiteral("&To:"), txtTo_));
  filters->addWidget(txtTo_);
  filters->addWidget(cmdApply_);
  filters->addWidget(cmdClear_);

  ui::PellamButton* cmdHelp = ui::makeHelpButton(this, state, ui::help::kChangeLogTopic, 34);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lblCount_, 1);
  bottom->addWidget(cmdExport_);
  bottom->addWidget(cmdHelp);
  bottom->addWidget(cmdClose_);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(12, 12, 12, 12);
  page->addLayout(filters);
  page->addWidget(gridChangeLog_, 1);
  page->addLayout(bottom);
  // As wide as the screen allows, for the details; never narrower than the list needs.
  const int roomy = std::min(digit * 150, screen()->availableGeometry().width() * 9 / 10);
  resize(std::max(sizeHint().width(), roomy), sizeHint().height());
  setSizeGripEnabled(true);

  ui::setTabOrder({txtFind_, txtFrom_, txtTo_, cmdApply_, cmdClear_, gridChangeLog_, cmdExport_,
                   cmdHelp, cmdClose_});

  // Enter in a filter box applies the filter; it never closes the window.
  for (QLineEdit* box : {txtFind_, txtFrom_, txtTo_})
    connect(box, &QLineEdit::returnPressed, this, &frmChangeLog::cmdApply_Click);
  connect(cmdApply_, &ui::PellamButton::Click, this, &frmChangeLog::cmdApply_Click);
  connect(cmdClear_, &ui::PellamButton::Click, this, &frmChangeLog::cmdClear_Click);
  connect(cmdExport_, &ui::PellamButton::Click, this, &frmChangeLog::cmdExport_Click);
  connect(cmdClose_, &ui::PellamButton::Click, this, &frmChangeLog::reject);
  connect(model_, &QAbstractItemModel::rowsInserted, this, &frmChangeLog::showCount);
  connect(model_, &QAbstractItemModel::modelReset, this, &frmChangeLog::showCount);
  showCount();
  life_.onFirstActivation([this] {
    life_.fadeIn();
    txtFind_->setFocus();
  });
}

void frmChangeLog::showCount() {
  const int n = model_->rowCount();
  QString text;
  if (n == 0) {
    text = model_->filter().passesEverything() ? QStringLiteral("No changes are logged.")
                                               : QStringLiteral("No change matches.");
  } else if (model_->allListed()) {
    text = QStringLiteral("%L1 change(s), newest first.").arg(n);
  } else {
    text =
        QStringLiteral("The newest %L1 changes; older ones are listed as you scroll down.").arg(n);
  }
  lblCount_->setText(text);
}

void frmChangeLog::cmdApply_Click() {
  std::optional<format::DateTime> from;
  std::optional<format::DateTime> to;
  for (QLineEdit* box : {txtFrom_, txtTo_}) {
    if (dateIn(box, box == txtFrom_ ? from : to)) continue;
    state_.dialogs.message(this, ui::makeMessage(QStringLiteral("Check the date entry"),
                                                 QStringLiteral("I don't understand\n"
                                                                "the date entry."),
                                                 ui::MessageIcon::Critical));
    box->selectAll();
    box->setFocus();
    return;
  }
  if (from && to &&
      std::tie(from->year, from->month, from->day) > std::tie(to->year, to->month, to->day)) {
    state_.dialogs.message(this, ui::makeMessage(QStringLiteral("Check the date entry"),
                                                 QStringLiteral("The 'From' date comes\n"
                                                                "after the 'To' date."),
                                                 ui::MessageIcon::Critical));
    txtFrom_->selectAll();
    txtFrom_->setFocus();
    return;
  }
  const ui::BusyCursor busy(this);
  model_->setFilter(store::ChangeFilter(ui::trimBlanks(txtFind_->text()).toStdString(), from, to));
  gridChangeLog_->scrollToTop();
}

void frmChangeLog::cmdClear_Click() {
  for (QLineEdit* box : {txtFind_, txtFrom_, txtTo_}) box->clear();
  const ui::BusyCursor busy(this);
  model_->setFilter({});
  gridChangeLog_->scrollToTop();
}

void frmChangeLog::cmdExport_Click() {
  std::int64_t rows = 0;
  std::string written;
  const bool saved =
      ui::exportCsv(state_, this, QStringLiteral("Change Log"), [&](const std::string& path) {
        const std::unique_ptr<store::ChangeLineSource> lines = state_.records.changeLines();
        rows = store::exportChangeLog(*lines, model_->filter(), state_.files.fileSystem(), path);
        written = path;
      });
  if (!saved) return;
  lblCount_->setText(QStringLiteral("%L1 change(s) saved in %2.")
                         .arg(rows)
                         .arg(QDir::toNativeSeparators(QFile::decodeName(written.c_str()))));
}

void frmChangeLog::reject() {
  life_.closeWindow([this] { QDialog::reject(); });
}

}  // namespace vm::access
