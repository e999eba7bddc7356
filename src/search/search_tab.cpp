// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/search_tab.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "format/number_text.h"
#include "renewals/frm_renewals.h"
#include "scan/training_pass.h"
#include "search/annual_summary.h"
#include "search/match_search.h"
#include "search/progress_caption.h"
#include "ui/app_state.h"
#include "ui/busy_cursor.h"
#include "ui/button/command_button.h"
#include "ui/dialogs.h"
#include "ui/escape_stops.h"
#include "ui/field_colours.h"
#include "ui/help/help_menu.h"
#include "ui/lobby_services.h"
#include "ui/open_modal.h"
#include "ui/option_handlers.h"

namespace vm::search {
namespace {

constexpr int kSearchTab = 2;
const QColor kMatchFocus{255, 255, 128};  // light yellow
const QColor kYearFocus{255, 255, 0};     // yellow
const QColor kOtherMode{128, 128, 128};

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Option buttons show which one is chosen by their type: 9 point, bold or black, against the
// other's 8 point, regular or grey.
void markOption(QRadioButton* option, bool chosen, bool boldWhenChosen,
                const QColor& otherColour = {}) {
  QFont font = option->font();
  font.setPointSize(chosen ? 9 : 8);
  if (boldWhenChosen) font.setBold(chosen);
  option->setFont(font);
  if (!otherColour.isValid()) return;
  QPalette p = option->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive})
    p.setColor(group, QPalette::WindowText, chosen ? QColor(Qt::black) : otherColour);
  option->setPalette(p);
}

QLineEdit* makeBox(QWidget* parent, const QString& name, int maxLength, int width) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setMaxLength(maxLength);
  box->setFixedWidth(width);
  return box;
}

QLabel* makeLabel(QWidget* parent, const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

SearchTab::SearchTab(ui::AppState& state, ui::LobbyServices& lobby, ResultsTab& results,
                     QWidget* parent)
    : ui::LobbyTab(parent),
      state_(state),
      lobby_(lobby),
      results_(results),
      matrixPanel_(new MatrixPanel(state, lobby, this)) {
  setObjectName(QStringLiteral("SearchTab"));
  // Two rows of two choices: four side by side would cut their captions short.
  auto* options = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    auto* option = new QRadioButton(this);
    option->setObjectName(QStringLiteral("optSearch%1").arg(i + 1));
    optSearch_[static_cast<std::size_t>(i)] = option;
    options->addWidget(option, i / 2, i % 2);
    if (i == 2) {
      frame_[2] = matrixPanel_;
      continue;
    }
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("frame%1").arg(i + 1));
    frame->setFrameShape(QFrame::StyledPanel);
    frame_[static_cast<std::size_t>(i)] = frame;
  }
  optSearch_[0]->setChecked(true);
  buildCriteriaPanel();
  buildSummaryPanel();
  buildRenewalsPanel();

  auto* page = new QVBoxLayout(this);
  page->addLayout(options);
  auto* panels = new QGridLayout;
  for (QFrame* frame : frame_) panels->addWidget(frame, 0, 0, Qt::AlignTop);
  matrixPanel_->hide();
  page->addLayout(panels);
  page->addStretch();

  markOption(optSearch_[0], true, true);
  markOption(optSearch_[1], false, true);
  markOption(optSearch_[2], false, true);
  markOption(optSearch_[3], false, true);
  optMatch_Click(1);
  // From here on, however an option is chosen (mouse, keys, assistive technology).
  for (int i = 0; i < 4; ++i)
    ui::onChosen(optSearch_[static_cast<std::size_t>(i)], this,
                 [this, i] { optSearch_Click(i + 1); });
  connect(cmdMatch_, &ui::PellamButton::Click, this, &SearchTab::cmdMatch_Click);
  connect(cmdAnnualSummary_, &ui::PellamButton::Click, this, &SearchTab::cmdAnnualSummary_Click);
  connect(&results_, &ResultsTab::finished, this, &SearchTab::resultsFinished);
}

void SearchTab::buildCriteriaPanel() {
  auto* matchColours = new ui::FieldColours(kMatchFocus, this);
  for (std::size_t i = 0; i < txtMatch_.size(); ++i) {
    txtMatch_[i] = makeBox(frame_[0], QStringLiteral("txtMatch%1").arg(i), kCriteriaLimits[i],
                           i == kComments ? 220 : 110);
    matchColours->attach(txtMatch_[i]);
    connect(txtMatch_[i], &QLineEdit::textChanged, this, &SearchTab::txtMatch_Change);
    connect(txtMatch_[i], &QLineEdit::returnPressed, this, [this] {
      if (cmdMatch_->isEnabled() && !cmdMatch_->isHidden()) cmdMatch_Click();
    });
  }
  // The to-date box is named by its part of the shared label.
  txtMatch_[kToDate]->setAccessibleName(QStringLiteral("... to"));
  frameMatch_ = new QGroupBox(QStringLiteral("Find records that..."), frame_[0]);
  frameMatch_->setObjectName(QStringLiteral("frameMatch"));
  auto* modes = new QVBoxLayout(frameMatch_);
  const std::array<QString, 2> modeCaptions = {QStringLiteral("match\nthe above critera"),
                                               QStringLiteral("do NOT match\nthe above critera")};
  for (int i = 0; i < 2; ++i) {
    auto* option = new QRadioButton(modeCaptions[static_cast<std::size_t>(i)], frameMatch_);
    option->setObjectName(QStringLiteral("optMatch%1").arg(i + 1));
    ui::onChosen(option, this, [this, i] { optMatch_Click(i + 1); });
    optMatch_[static_cast<std::size_t>(i)] = option;
    modes->addWidget(option);
  }
  optMatch_[0]->setChecked(true);
  cmdMatch_ = ui::makeCommandButton(frame_[0], QStringLiteral("cmdMatch"), {});
  cmdMatch_->setMinimumSize(190, 44);
  cmdMatch_->setEnabled(false);

  auto* criteria = new QGridLayout(frame_[0]);
  criteria->addWidget(
      makeLabel(frame_[0], QStringLiteral("Date (or from...    ... to)"), txtMatch_[kFromDate]), 0,
      0, 1, 2);
  criteria->addWidget(txtMatch_[kFromDate], 1, 0);
  criteria->addWidget(txtMatch_[kToDate], 1, 1);
  criteria->addWidget(makeLabel(frame_[0], QStringLiteral("Course Code"), txtMatch_[kCourseCode]),
                      2, 0, 1, 2);
  criteria->addWidget(txtMatch_[kCourseCode], 3, 0);
  criteria->addWidget(makeLabel(frame_[0], QStringLiteral("Training Comments (whole or partial)"),
                                txtMatch_[kComments]),
                      4, 0, 1, 2);
  criteria->addWidget(txtMatch_[kComments], 5, 0, 1, 2);
  criteria->addWidget(frameMatch_, 0, 2, 4, 1, Qt::AlignTop);
  criteria->addWidget(cmdMatch_, 4, 2, 2, 1, Qt::AlignBottom);
  criteria->setColumnStretch(3, 1);
}

void SearchTab::buildSummaryPanel() {
  txtSummaryYear_ = makeBox(frame_[1], QStringLiteral("txtSummaryYear"), 4, 60);
  txtSummaryYear_->setAlignment(Qt::AlignCenter);
  auto* yearColours = new ui::FieldColours(kYearFocus, this);
  yearColours->attach(txtSummaryYear_);
  connect(txtSummaryYear_, &QLineEdit::textChanged, this, &SearchTab::txtSummaryYear_Change);
  connect(txtSummaryYear_, &QLineEdit::returnPressed, this, [this] {
    if (cmdAnnualSummary_->isEnabled()) cmdAnnualSummary_Click();
  });
  cmdAnnualSummary_ = ui::makeCommandButton(frame_[1], QStringLiteral("cmdAnnualSummary"), {});
  cmdAnnualSummary_->setMinimumSize(190, 44);
  cmdAnnualSummary_->setEnabled(false);
  auto* summary = new QHBoxLayout(frame_[1]);
  summary->addWidget(makeLabel(frame_[1], QStringLiteral("for the year"), txtSummaryYear_));
  summary->addWidget(txtSummaryYear_);
  summary->addSpacing(20);
  summary->addWidget(cmdAnnualSummary_);
  summary->addStretch();
  frame_[1]->hide();
}

void SearchTab::buildRenewalsPanel() {
  cmdRenewals_ = ui::makeCommandButton(
      frame_[3], QStringLiteral("cmdRenewals"), QStringLiteral("Show the Renewals Now"),
      QStringLiteral(" List who is expired or due in the courses that must be renewed "));
  cmdRenewals_->setMinimumSize(190, 44);
  connect(cmdRenewals_, &ui::PellamButton::Click, this, &SearchTab::cmdRenewals_Click);
  auto* panel = new QHBoxLayout(frame_[3]);
  panel->addWidget(new QLabel(QStringLiteral("Courses that must be renewed every so many months:\n"
                                             "each person's latest training, the day it lapses\n"
                                             "and whether it has expired or falls due."),
                              frame_[3]));
  panel->addSpacing(20);
  panel->addWidget(cmdRenewals_);
  panel->addStretch();
  frame_[3]->hide();
}

void SearchTab::cmdRenewals_Click() {
  ui::openModal(state_, lobby_.lobbyWindow(),
                new renewals::frmRenewals(state_, lobby_.listedPersons(), lobby_.lobbyWindow()));
}

// The choice, then the criteria down the left, the mode and the command beside them; the
// year of the summary panel; the matrix panel; the renewals command.
QList<QWidget*> SearchTab::tabOrder() {
  return QList<QWidget*>{optSearch_[0],    optSearch_[1], optSearch_[2], optSearch_[3],
                         txtMatch_[0],     txtMatch_[1],  txtMatch_[2],  txtMatch_[3],
                         optMatch_[0],     optMatch_[1],  cmdMatch_,     txtSummaryYear_,
                         cmdAnnualSummary_} +
         matrixPanel_->tabOrder() + QList<QWidget*>{cmdRenewals_};
}

int SearchTab::helpTopic() const {
  if (optSearch_[2]->isChecked()) return ui::help::kTrainingMatrixTopic;
  if (optSearch_[3]->isChecked()) return ui::help::kRenewalsTopic;
  return 0;
}

QString SearchTab::displayCaption() const { return lobby_.nameDisplayCaption().toLower(); }

void SearchTab::tabClicked() {
  const QString display = displayCaption();
  optSearch_[0]->setText(QStringLiteral("List all ") + display +
                         QStringLiteral("\nthat have any training records\n"
                                        "matching the following criteria..."));
  optSearch_[1]->setText(
      QStringLiteral("Produce an annual summary\nof all training hours for all\n") + display);
  optSearch_[2]->setText(
      QStringLiteral("Show a training matrix of the\nlatest training dates of all\n") + display);
  optSearch_[3]->setText(QStringLiteral("List all ") + display +
                         QStringLiteral("\nwhose trainings have expired\nor fall due for renewal"));
  matrixPanel_->refresh();
  if (!frame_[1]->isEnabled()) return;
  for (int i = 0; i < 4; ++i)
    if (optSearch_[static_cast<std::size_t>(i)]->isChecked()) optSearch_Click(i + 1);
}

void SearchTab::optSearch_Click(int index) {
  const auto chosen = static_cast<std::size_t>(index - 1);
  for (std::size_t i = 0; i < frame_.size(); ++i)
    if (i != chosen) frame_[i]->hide();
  frame_[chosen]->show();
  for (std::size_t i = 0; i < optSearch_.size(); ++i) markOption(optSearch_[i], i == chosen, true);
  // The focus may be refused, for example while the panel is locked.
  if (index == 1)
    txtMatch_[kFromDate]->setFocus();
  else if (index == 2)
    txtSummaryYear_->setFocus();
  else if (index == 3)
    matrixPanel_->firstBox()->setFocus();
  else
    cmdRenewals_->setFocus();
}

void SearchTab::optMatch_Click(int index) {
  for (int i = 0; i < 2; ++i)
    markOption(optMatch_[static_cast<std::size_t>(i)], i == index - 1, false, kOtherMode);
}

void SearchTab::txtMatch_Change() {
  CriteriaBoxes boxes;
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = txtMatch_[i]->text().toStdString();
  cmdMatch_->setEnabled(anyCriterion(boxes));
}

void SearchTab::txtSummaryYear_Change() {
  cmdAnnualSummary_->setEnabled(
      summaryYearAllowed(txtSummaryYear_->text().toStdString(), state_.clock.now().year));
}

void SearchTab::reportNothing(ui::PellamButton* button, const QString& text) {
  button->setCaption(QStringLiteral("Search Complete!"));
  button->repaint();
  state_.dialogs.message(
      lobby_.lobbyWindow(),
      ui::makeMessage(QStringLiteral("No Matching Records"), text, ui::MessageIcon::Critical));
}

ResultsReport SearchTab::reportOf(bool annualSummary) const {
  ResultsReport r;
  r.annualSummary = annualSummary;
  for (std::size_t i = 0; i < txtMatch_.size(); ++i)
    r.criteria[i] = txtMatch_[i]->text().toStdString();
  r.matching = optMatch_[0]->isChecked();
  r.nameListHeader = lobby_.nameListHeading().toStdString();
  r.year = txtSummaryYear_->text().toStdString();
  return r;
}

void SearchTab::cmdMatch_Click() {
  CriteriaBoxes typed;
  for (std::size_t i = 0; i < typed.size(); ++i) typed[i] = txtMatch_[i]->text().toStdString();
  const CriteriaEntry entry =
      checkCriteria(typed, optMatch_[0]->isChecked() ? MatchMode::Match : MatchMode::DoNotMatch);
  for (std::size_t i = 0; i < typed.size(); ++i) txtMatch_[i]->setText(qs(entry.boxes[i]));
  if (entry.error) {
    state_.dialogs.message(lobby_.lobbyWindow(),
                           ui::makeMessage(QStringLiteral("Entry Error"), qs(entry.error->text),
                                           ui::MessageIcon::Information));
    txtMatch_[entry.error->box]->setFocus();
    return;
  }

  const std::vector<ui::ListedPerson> persons = lobby_.listedPersons();
  std::vector<int> found;
  cmdMatch_->setTag(cmdMatch_->caption());
  try {
    const ui::BusyCursor busy(lobby_.lobbyWindow());
    ui::EscapeStops escape;
    const std::vector<double> stamps = ui::stampsOf(persons);
    found = matchSearch(*state_.records.trainingBlocks(matchHint(stamps, entry.criteria)), stamps,
                        entry.criteria, progressOnCaption(cmdMatch_, escape));
  } catch (const scan::PassStopped&) {
    cmdMatch_->setCaption(cmdMatch_->tag());
    return;
  }
  if (found.empty()) {
    reportNothing(cmdMatch_, QStringLiteral("No one had any training record(s)\n"
                                            "that fit the given search criteria."));
  } else {
    QTabWidget* tabs = lobby_.tabMain();
    savedTabCaption_ = tabs->tabText(kSearchTab);
    tabs->setTabText(kSearchTab, QStringLiteral("Search Criteria"));
    frame_[0]->setEnabled(false);
    cmdMatch_->hide();
    optSearch_[1]->setEnabled(false);
    optSearch_[2]->setEnabled(false);
    optSearch_[3]->setEnabled(false);
    results_.showSearchResults(persons, found, reportOf(false));
  }
  cmdMatch_->setCaption(cmdMatch_->tag());
}

void SearchTab::cmdAnnualSummary_Click() {
  const std::vector<ui::ListedPerson> persons = lobby_.listedPersons();
  const QString year = txtSummaryYear_->text();
  AnnualSummary summary;
  cmdAnnualSummary_->setTag(cmdAnnualSummary_->caption());
  try {
    const ui::BusyCursor busy(lobby_.lobbyWindow());
    ui::EscapeStops escape;
    const std::vector<double> stamps = ui::stampsOf(persons);
    const int summaryYearValue = static_cast<int>(summaryYear(year.toStdString()));
    summary = annualSummary(*state_.records.trainingBlocks(summaryHint(stamps, summaryYearValue)),
                            stamps, summaryYearValue, progressOnCaption(cmdAnnualSummary_, escape));
  } catch (const scan::PassStopped&) {
    cmdAnnualSummary_->setCaption(cmdAnnualSummary_->tag());
    return;
  }
  if (summary.persons.empty()) {
    reportNothing(cmdAnnualSummary_,
                  QStringLiteral("There were no training records\nfound in the year ") + year);
  } else {
    ResultsReport report = reportOf(true);
    report.totalHours = "Total Hours: " + hoursText(summary.total);
    results_.showAnnualSummary(persons, summary, report);
  }
  cmdAnnualSummary_->setCaption(cmdAnnualSummary_->tag());
}

void SearchTab::resultsFinished() {
  if (!optSearch_[0]->isChecked()) return;
  frame_[0]->setEnabled(true);
  cmdMatch_->show();
  optSearch_[1]->setEnabled(true);
  optSearch_[2]->setEnabled(true);
  optSearch_[3]->setEnabled(true);
  lobby_.tabMain()->setTabText(kSearchTab, savedTabCaption_);
}

}  // namespace vm::search
