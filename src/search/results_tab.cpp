// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/results_tab.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "format/number_text.h"
#include "ui/app_state.h"
#include "ui/button/command_button.h"
#include "ui/dialogs.h"
#include "ui/grid/grid.h"
#include "ui/grid_report.h"
#include "ui/keep_place.h"
#include "ui/lobby_services.h"

namespace vm::search {
namespace {

constexpr int kNameListTab = 0, kCourseIndexTab = 1, kSearchTab = 2, kResultsTab = 3;

QString qs(const std::string& s) { return QString::fromStdString(s); }

ui::PellamButton* makeButton(QWidget* parent, const QString& name) {
  ui::PellamButton* b = ui::makeCommandButton(parent, name, {});
  b->setMinimumSize(150, 44);
  return b;
}

// Clears a flag on every way out of a scope.
struct FlagScope {
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  bool& flag_;
};

}  // namespace

ResultsTab::ResultsTab(ui::AppState& state, ui::LobbyServices& lobby, QWidget* parent)
    : ui::LobbyTab(parent),
      state_(state),
      lobby_(lobby),
      gridSummary_(new ui::Grid(this)),
      lblTotalHours_(new QLabel(this)),
      cmdSummaryTrainingHistory_(makeButton(this, QStringLiteral("cmdSummaryTrainingHistory"))),
      cmdSummaryPrint_(makeButton(this, QStringLiteral("cmdSummaryPrint"))),
      cmdFinishedSummary_(makeButton(this, QStringLiteral("cmdFinishedSummary"))) {
  setObjectName(QStringLiteral("ResultsTab"));
  gridSummary_->setObjectName(QStringLiteral("gridSummary"));
  gridSummary_->setHeightInRows(19);
  gridSummary_->hide();
  ui::keepPlaceWhenHidden(gridSummary_);
  lblTotalHours_->setObjectName(QStringLiteral("lblTotalHours"));
  QFont bold = lblTotalHours_->font();
  bold.setBold(true);
  lblTotalHours_->setFont(bold);
  lblTotalHours_->hide();
  ui::keepPlaceWhenHidden(lblTotalHours_);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdSummaryTrainingHistory_);
  buttons->addWidget(cmdSummaryPrint_);
  buttons->addStretch();
  buttons->addWidget(cmdFinishedSummary_);
  auto* list = new QVBoxLayout;
  list->addWidget(gridSummary_);
  list->addWidget(lblTotalHours_);
  list->addStretch();
  auto* page = new QHBoxLayout(this);
  page->addLayout(list, 1);
  page->addLayout(buttons);

  connect(cmdSummaryTrainingHistory_, &ui::PellamButton::Click, this,
          &ResultsTab::cmdSummaryTrainingHistory_Click);
  connect(cmdSummaryPrint_, &ui::PellamButton::Click, this, &ResultsTab::cmdSummaryPrint_Click);
  connect(cmdFinishedSummary_, &ui::PellamButton::Click, this,
          &ResultsTab::cmdFinishedSummary_Click);
}

QList<QWidget*> ResultsTab::tabOrder() {
  return {gridSummary_, cmdSummaryTrainingHistory_, cmdSummaryPrint_, cmdFinishedSummary_};
}

void ResultsTab::tabClicked() {
  if (!gridSummary_->isHidden()) gridSummary_->setFocus();
}

// The cells of a listed person as the Name List shows them, the second replaced by `second`; the
// person is kept, to be found again by its record number.
QStringList ResultsTab::personRow(const ui::ListedPerson& person, const QString& second) {
  listed_.push_back(person);
  return {person.name, second, qs(format::generalNumber(person.dateCreated)), person.sortKey,
          QString::number(person.recNum)};
}

void ResultsTab::showSearchResults(const std::vector<ui::ListedPerson>& persons,
                                   const std::vector<int>& found, const ResultsReport& report) {
  report_ = report;
  listed_.clear();
  std::vector<QStringList> rows;
  rows.reserve(found.size());
  for (int r : found) {
    const ui::ListedPerson& person = persons[static_cast<std::size_t>(r)];
    rows.push_back(personRow(person, person.organization));
  }
  fill(QStringLiteral("<Matching ") + qs(report.nameListHeader) +
           QStringLiteral("|<Organization|DateCreated|SortName|RecNum"),
       std::move(rows));
  gridSummary_->setColumnWidthTwips(kColName, 4100);
  gridSummary_->setColumnWidthTwips(kColSecond, 2700);
  gridSummary_->fillWidthWith(kColSecond);
  gridSummary_->selectRow(1, true);
  open(QStringLiteral("Search Results"), 2);
}

void ResultsTab::showAnnualSummary(const std::vector<ui::ListedPerson>& persons,
                                   const AnnualSummary& summary, const ResultsReport& report) {
  report_ = report;
  listed_.clear();
  std::vector<QStringList> rows;
  rows.reserve(summary.persons.size());
  for (const PersonHours& p : summary.persons)
    rows.push_back(personRow(persons[static_cast<std::size_t>(p.row)], qs(hoursText(p.hours))));
  fill(QStringLiteral("<List of Names|> Annual Training Hours|DateCreated|SortName|RecNum"),
       std::move(rows));
  gridSummary_->setColumnWidthTwips(kColName, 3500);
  // Wide enough for its heading, whatever the font.
  gridSummary_->setColumnWidth(kColSecond,
                               gridSummary_->horizontalHeader()->sectionSizeHint(kColSecond));
  gridSummary_->fillWidthWith(kColName);
  gridSummary_->selectRow(1, true);
  lblTotalHours_->setText(qs(report.totalHours));
  lblTotalHours_->show();
  open(QStringLiteral("Annual Summary - ") + qs(report.year), 3);
}

void ResultsTab::fill(const QString& format, std::vector<QStringList> rows) {
  gridSummary_->hide();
  gridSummary_->reset(format);
  gridSummary_->setHeightInRows(19);
  const bool sort = rows.size() >= 2;
  gridSummary_->setRows(std::move(rows));
  if (sort) gridSummary_->sortByColumn(kColSortKey);
  gridSummary_->shadeAlternateRows(kColName, kColSecond);
  for (int c : {kColDateCreated, kColSortKey, kColRecNum}) gridSummary_->hideColumn(c);
  gridSummary_->show();
}

// The tab is made current before the others are locked, so that locking the current tab never
// moves the choice elsewhere.
void ResultsTab::open(const QString& caption, int lockedTabs) {
  QTabWidget* tabs = lobby_.tabMain();
  tabs->setTabText(kResultsTab, caption);
  tabs->setTabEnabled(kResultsTab, true);
  tabs->setCurrentIndex(kResultsTab);
  lockedTabs_ = lockedTabs;
  lock();
  lobby_.startFlashing();
}

void ResultsTab::lock() {
  for (int t = 0; t < lockedTabs_; ++t) lobby_.tabMain()->setTabEnabled(t, false);
  setBackupEnabled(false);
}

void ResultsTab::setBackupEnabled(bool enabled) {
  auto* backup = lobby_.lobbyWindow()->findChild<QWidget*>(QStringLiteral("cmdBackupRestore"));
  if (backup && !backup->isHidden()) backup->setEnabled(enabled);
}

void ResultsTab::cmdSummaryTrainingHistory_Click() {
  const int row = gridSummary_->currentRow();
  if (row < 1) return;
  const std::int32_t recNum = gridSummary_->text(row, kColRecNum).toInt();
  const auto person =
      std::find_if(listed_.begin(), listed_.end(),
                   [recNum](const ui::ListedPerson& p) { return p.recNum == recNum; });
  if (person == listed_.end()) return;
  // The history window reads the flag when it loads and while it sets its buttons.
  {
    FlagScope viewOnly(state_.HistoryViewOnly);
    lobby_.openTrainingHistory(*person);
  }
  // The main window refreshes its buttons after the history, which would unlock what the results
  // keep locked.
  lock();
}

void ResultsTab::cmdSummaryPrint_Click() {
  ui::printGridReport(
      state_,
      report_.annualSummary ? print::ReportKind::AnnualSummary : print::ReportKind::SearchResults,
      *gridSummary_, lobby_.lobbyWindow(), report_);
}

void ResultsTab::cmdFinishedSummary_Click() {
  lobby_.stopFlashing();
  // The options tab takes its criteria back first, so that its first box can take the focus.
  emit finished();
  QTabWidget* tabs = lobby_.tabMain();
  for (int t : {kNameListTab, kCourseIndexTab, kSearchTab}) tabs->setTabEnabled(t, true);
  tabs->setCurrentIndex(kSearchTab);
  tabs->setTabEnabled(kResultsTab, false);
  tabs->setTabText(kResultsTab, QString());
  setBackupEnabled(true);
  gridSummary_->hide();
  gridSummary_->reset(QString());
  lblTotalHours_->setText(QString());
  lblTotalHours_->hide();
  report_ = {};
  listed_.clear();
}

}  // namespace vm::search
