// SPDX-License-Identifier: GPL-3.0-or-later
#include "renewals/frm_renewals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "courses/course_rows.h"
#include "format/automation_date.h"
#include "format/date_text.h"
#include "renewals/frm_renewal_periods.h"
#include "scan/training_blocks.h"
#include "scan/training_pass.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/busy_cursor.h"
#include "ui/button/command_button.h"
#include "ui/dialogs.h"
#include "ui/escape_stops.h"
#include "ui/field_colours.h"
#include "ui/grid/grid.h"
#include "ui/grid_report.h"
#include "ui/help/help_button.h"
#include "ui/help/help_menu.h"
#include "ui/open_modal.h"
#include "ui/option_handlers.h"
#include "ui/tab_order.h"

namespace vm::renewals {
namespace {

constexpr int kDefaultDueWithin = 30;
const QColor kBoxFocus{255, 255, 128};

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString dayText(std::optional<std::int64_t> day) {
  return day ? qs(format::formatDate(static_cast<double>(*day))) : QString();
}

}  // namespace

frmRenewals::frmRenewals(ui::AppState& state, std::vector<ui::ListedPerson> persons,
                         QWidget* parent)
    : QDialog(parent),
      state_(state),
      life_(this, state),
      persons_(std::move(persons)),
      cboHeading_(new QComboBox(this)),
      txtDueWithin_(new QLineEdit(QString::number(kDefaultDueWithin), this)),
      chkNeverTaken_(new QCheckBox(QStringLiteral("List persons who never took a course"), this)),
      gridRenewals_(new ui::Grid(this)),
      lblCounts_(new QLabel(this)),
      cmdShowRenewals_(ui::makeCommandButton(this, QStringLiteral("cmdShowRenewals"),
                                             QStringLiteral("Show the List Now"))),
      cmdRenewalPeriods_(ui::makeCommandButton(this, QStringLiteral("cmdRenewalPeriods"),
                                               QStringLiteral("Renewal Periods..."),
                                               QStringLiteral(" Set how often each course must "
                                                              "be renewed "))),
      cmdPrintRenewals_(ui::makeCommandButton(this, QStringLiteral("cmdPrintRenewals"),
                                              QStringLiteral("Print this List"),
                                              QStringLiteral(" Print this renewals list "))),
      cmdClose_(ui::makeCommandButton(this, QStringLiteral("cmdClose"), QStringLiteral("Close"))) {
  setObjectName(QStringLiteral("frmRenewals"));
  setWindowTitle(ui::applicationTitle() + QStringLiteral(" - Renewals"));
  cboHeading_->setObjectName(QStringLiteral("cboHeading"));
  txtDueWithin_->setObjectName(QStringLiteral("txtDueWithin"));
  txtDueWithin_->setMaxLength(4);
  txtDueWithin_->setFixedWidth(60);
  txtDueWithin_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), this));
  (new ui::FieldColours(kBoxFocus, this))->attach(txtDueWithin_);
  chkNeverTaken_->setObjectName(QStringLiteral("chkNeverTaken"));
  gridRenewals_->setObjectName(QStringLiteral("gridRenewals"));
  gridRenewals_->setAccessibleName(QStringLiteral("Renewals"));
  lblCounts_->setObjectName(QStringLiteral("lblCounts"));

  auto* headingLabel = new QLabel(QStringLiteral("Courses:"), this);
  headingLabel->setBuddy(cboHeading_);
  auto* dueLabel = new QLabel(QStringLiteral("Due within (days):"), this);
  dueLabel->setBuddy(txtDueWithin_);
  auto* choices = new QGridLayout;
  choices->addWidget(headingLabel, 0, 0, Qt::AlignRight);
  choices->addWidget(cboHeading_, 0, 1);
  choices->addWidget(dueLabel, 1, 0, Qt::AlignRight);
  choices->addWidget(txtDueWithin_, 1, 1, Qt::AlignLeft);
  choices->addWidget(chkNeverTaken_, 2, 1);
  choices->addWidget(cmdShowRenewals_, 0, 2, 3, 1);
  choices->setColumnStretch(1, 1);

  ui::PellamButton* cmdHelp = ui::makeHelpButton(this, state, ui::help::kRenewalsTopic, 40);
  auto* commands = new QHBoxLayout;
  commands->addWidget(lblCounts_, 1);
  for (ui::PellamButton* b : {cmdRenewalPeriods_, cmdPrintRenewals_, cmdHelp, cmdClose_})
    commands->addWidget(b);
  for (ui::PellamButton* b : {cmdShowRenewals_, cmdRenewalPeriods_, cmdPrintRenewals_, cmdClose_}) {
    b->setMinimumSize(130, 40);
    b->setAutoDefault(false);
  }
  auto* page = new QVBoxLayout(this);
  page->addLayout(choices);
  page->addWidget(gridRenewals_, 1);
  page->addLayout(commands);
  resize(900, 560);
  ui::setTabOrder({cboHeading_, txtDueWithin_, chkNeverTaken_, cmdShowRenewals_, gridRenewals_,
                   cmdRenewalPeriods_, cmdPrintRenewals_, cmdHelp, cmdClose_});

  cmdClose_->setCancel(true);  // Esc
  connect(txtDueWithin_, &QLineEdit::textChanged, this,
          [this] { cmdShowRenewals_->setEnabled(dueWithin().has_value()); });
  connect(txtDueWithin_, &QLineEdit::returnPressed, this, [this] {
    if (cmdShowRenewals_->isEnabled()) cmdShowRenewals_Click();
  });
  connect(cmdShowRenewals_, &ui::PellamButton::Click, this, &frmRenewals::cmdShowRenewals_Click);
  // A choice of courses or of who is listed shows its list at once; the days wait for the button.
  connect(cboHeading_, &QComboBox::activated, this, [this] { cmdShowRenewals_Click(); });
  ui::onTickChanged(chkNeverTaken_, this, [this] { cmdShowRenewals_Click(); });
  connect(cmdRenewalPeriods_, &ui::PellamButton::Click, this,
          &frmRenewals::cmdRenewalPeriods_Click);
  connect(cmdPrintRenewals_, &ui::PellamButton::Click, this, &frmRenewals::cmdPrintRenewals_Click);
  connect(cmdClose_, &ui::PellamButton::Click, this, [this] { life_.closeWindow(); });
  life_.onFirstActivation([this] { Form_Activate(); });
}

std::optional<int> frmRenewals::dueWithin() const {
  bool ok = false;
  const int days = txtDueWithin_->text().trimmed().toInt(&ok);
  return ok ? std::optional<int>(days) : std::nullopt;
}

void frmRenewals::Form_Activate() {
  loadCourses();
  cmdShowRenewals_Click();
  gridRenewals_->setFocus();
}

void frmRenewals::loadCourses() {
  const QString chosen = cboHeading_->currentIndex() > 0 ? cboHeading_->currentText() : QString();
  {
    const ui::BusyCursor busy(this);
    courses_ = periodRows(courses::courseRows(state_.records.courses()),
                          periodsOf(state_.records.renewalPeriods()));
  }
  headings_ = headingsOf(courses_);
  cboHeading_->clear();
  cboHeading_->addItem(QStringLiteral("All courses with a renewal period"));
  for (std::size_t h : headings_)
    cboHeading_->addItem(
        QStringLiteral("Under %1 %2").arg(qs(courses_[h].code), qs(courses_[h].name)));
  const int again = chosen.isEmpty() ? 0 : cboHeading_->findText(chosen);
  cboHeading_->setCurrentIndex(again < 0 ? 0 : again);
}

void frmRenewals::cmdShowRenewals_Click() {
  const std::optional<int> due = dueWithin();
  if (!due) return;
  const int choice = cboHeading_->currentIndex();
  const std::vector<std::size_t> chosen = renewedCourses(
      courses_, choice > 0
                    ? std::optional<std::size_t>(headings_[static_cast<std::size_t>(choice - 1)])
                    : std::nullopt);
  std::vector<RenewalCourse> asked;
  for (std::size_t c : chosen) asked.push_back({courses_[c].courseId, courses_[c].months});

  RenewalQuery query;
  query.today = format::automationDay(format::toAutomationDate(state_.clock.now()));
  query.dueWithin = *due;
  query.neverTaken = chkNeverTaken_->isChecked();
  RenewalList list;
  std::vector<QStringList> cells;
  try {
    const ui::BusyCursor busy(this);
    ui::EscapeStops escape;
    const std::vector<double> stamps = ui::stampsOf(persons_);
    list = renewalList(*state_.records.trainingBlocks(scan::personsHint(stamps)), stamps, asked,
                       query, [&](std::int64_t, std::int64_t) { escape.poll(); });
    cells.reserve(list.entries.size());
    for (const RenewalEntry& e : list.entries) {
      const PeriodRow& course = courses_[chosen[static_cast<std::size_t>(e.course)]];
      cells.push_back({persons_[static_cast<std::size_t>(e.row)].name, qs(course.code),
                       qs(course.name), dayText(e.trained), dayText(e.lapses),
                       qs(std::string(statusText(e.status)))});
    }
  } catch (const scan::PassStopped&) {
    return;  // the list stays as it was
  }
  shownDueWithin_ = *due;
  gridRenewals_->reset(
      QStringLiteral("<Name|<Course Code|<Name of Course|^Last Trained|^Lapses|<Status"));
  gridRenewals_->setRows(std::move(cells));
  gridRenewals_->shadeAlternateRows(kName, kStatus);
  gridRenewals_->setColumnWidthTwips(kName, 2800);
  gridRenewals_->setColumnWidthTwips(kCourse, 3200);
  if (gridRenewals_->rows() > 0) gridRenewals_->selectRow(1);
  cmdPrintRenewals_->setEnabled(gridRenewals_->rows() > 0);

  QString counts = asked.empty() ? QStringLiteral("No course has a renewal period.")
                                 : QStringLiteral("%1 expired, %2 due within %3 days, %4 current")
                                       .arg(list.counts.expired)
                                       .arg(list.counts.due)
                                       .arg(*due)
                                       .arg(list.counts.current);
  if (!asked.empty() && query.neverTaken)
    counts += QStringLiteral(", %1 never taken").arg(list.counts.neverTaken);
  lblCounts_->setText(counts);
}

void frmRenewals::cmdRenewalPeriods_Click() {
  if (!ui::openModal(state_, this, new frmRenewalPeriods(state_, this))) return;
  loadCourses();
  cmdShowRenewals_Click();
}

void frmRenewals::cmdPrintRenewals_Click() {
  print::ReportExtras extras;
  const std::string today = format::formatDate(format::toAutomationDate(state_.clock.now()));
  extras.renewalsLines = {"Trainings expired, or due within " + std::to_string(shownDueWithin_) +
                              " days, as of " + today,
                          cboHeading_->currentText().toStdString()};
  ui::printGridReport(state_, print::ReportKind::Renewals, *gridRenewals_, this, extras);
}

}  // namespace vm::renewals
