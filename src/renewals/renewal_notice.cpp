// SPDX-License-Identifier: GPL-3.0-or-later
#include "renewals/renewal_notice.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "courses/course_rows.h"
#include "format/automation_date.h"
#include "renewals/frm_renewals.h"
#include "renewals/renewal_courses.h"
#include "scan/training_blocks.h"
#include "scan/training_pass.h"
#include "ui/app_state.h"
#include "ui/application_title.h"
#include "ui/busy_cursor.h"
#include "ui/button/command_button.h"
#include "ui/escape_stops.h"
#include "ui/lobby_services.h"
#include "ui/open_modal.h"
#include "ui/option_handlers.h"
#include "ui/settings.h"

namespace vm::renewals {
namespace {

constexpr int kNoticeDays = 30;
const QString kNoShow = QStringLiteral("NoShow");

}  // namespace

QString noticeSettingKey(const QString& userName) {
  return QStringLiteral("RenewalNotice/") + userName;
}

frmRenewalNotice::frmRenewalNotice(ui::AppState& state, const QString& text, QWidget* parent)
    : QDialog(parent),
      state_(state),
      life_(this, state),
      chkShowNotice_(new QCheckBox(QStringLiteral("Show this notice at log-in"), this)),
      cmdShowRenewals_(ui::makeCommandButton(this, QStringLiteral("cmdShowRenewals"),
                                             QStringLiteral("Show the Renewals"))),
      cmdOK_(ui::makeCommandButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"))) {
  setObjectName(QStringLiteral("frmRenewalNotice"));
  setWindowTitle(ui::applicationTitle() + QStringLiteral(" - Renewals Due"));
  auto* lblNotice = new QLabel(text, this);
  lblNotice->setObjectName(QStringLiteral("lblNotice"));
  QFont bold = lblNotice->font();
  bold.setBold(true);
  lblNotice->setFont(bold);
  chkShowNotice_->setObjectName(QStringLiteral("chkShowNotice"));
  chkShowNotice_->setChecked(true);

  auto* commands = new QHBoxLayout;
  commands->addWidget(chkShowNotice_, 1);
  for (ui::PellamButton* b : {cmdShowRenewals_, cmdOK_}) {
    b->setMinimumSize(160, 40);
    b->setAutoDefault(false);
    commands->addWidget(b);
  }
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(20, 20, 20, 12);
  page->addWidget(lblNotice);
  page->addSpacing(16);
  page->addLayout(commands);

  cmdOK_->setCancel(true);  // Esc
  ui::onTickChanged(chkShowNotice_, this, [this] { chkShowNotice_Click(); });
  connect(cmdShowRenewals_, &ui::PellamButton::Click, this, [this] {
    emit renewalsAsked();
    life_.closeWindow();
  });
  connect(cmdOK_, &ui::PellamButton::Click, this, [this] { life_.closeWindow(); });
  life_.onFirstActivation([this] { cmdShowRenewals_->setFocus(); });
}

void frmRenewalNotice::chkShowNotice_Click() {
  state_.settings.setValue(noticeSettingKey(state_.CurrentUserName),
                           chkShowNotice_->isChecked() ? QString() : kNoShow);
}

void offerRenewalNotice(ui::AppState& state, ui::LobbyServices& lobby) {
  if (state.settings.value(noticeSettingKey(state.CurrentUserName)) == kNoShow) return;
  QWidget* window = lobby.lobbyWindow();
  std::vector<ui::ListedPerson> persons = lobby.listedPersons();
  RenewalList list;
  try {
    const ui::BusyCursor busy(window);
    ui::EscapeStops escape;
    const RenewalPeriods periods = periodsOf(state.records.renewalPeriods());
    if (periods.empty() || persons.empty()) return;
    const std::vector<PeriodRow> courses =
        periodRows(courses::courseRows(state.records.courses()), periods);
    std::vector<RenewalCourse> asked;
    for (std::size_t c : renewedCourses(courses))
      asked.push_back({courses[c].courseId, courses[c].months});
    RenewalQuery query;
    query.today = format::automationDay(format::toAutomationDate(state.clock.now()));
    query.dueWithin = kNoticeDays;
    const std::vector<double> stamps = ui::stampsOf(persons);
    list = renewalList(*state.records.trainingBlocks(scan::personsHint(stamps)), stamps, asked,
                       query, [&](std::int64_t, std::int64_t) { escape.poll(); });
  } catch (const scan::PassStopped&) {
    return;  // Esc: the user would rather start working than hear about renewals now
  }
  if (!noticeWanted(list.counts)) return;
  auto* notice = new frmRenewalNotice(
      state, QString::fromStdString(noticeText(list.counts, kNoticeDays)), window);
  bool wanted = false;
  QObject::connect(notice, &frmRenewalNotice::renewalsAsked, [&wanted] { wanted = true; });
  ui::openModal(state, window, notice);
  if (wanted) ui::openModal(state, window, new frmRenewals(state, std::move(persons), window));
}

}  // namespace vm::renewals
