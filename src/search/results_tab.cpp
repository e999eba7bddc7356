// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/results_tab.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

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

// The five cells of a Name List row, the second replaced when `second` is given.
QStringList nameRow(const ui::Grid& names, int row, const QString* second = nullptr) {
  QStringList cells;
  for (int c = 0; c < 5; ++c) cells << names.text(row, c);
  if (second) cells[ResultsTab::kColSecond] = *second;
  return cells;
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

void ResultsTab::showSearchResults(const ui::Grid& names, const std::vector<int>& found,
                                   const ResultsReport& report) {
  report_ = report;
  std::vector<QStringList> rows;
  rows.reserve(found.size());
  for (int r : found) rows.push_back(nameRow(names, r + 1));
  fill(QStringLiteral("<Matching ") + names.headerText(0) +
           QStringLiteral("|<Organization|DateCreated|SortName|RecNum"),
       std::move(rows));
  gridSummary_->setColumnWidthTwips(kColName, 4100);
  gridSummary_->setColumnWidthTwips(kColSecond, 2700);
  gridSummary_->fillWidthWith(kColSecond);
  gridSummary_->selectRow(1, true);
  open(QStringLiteral("Search Results"), 2);
}

void ResultsTab::showAnnualSummary(const ui::Grid& names, const AnnualSummary& summary,
                                   const ResultsReport& report) {
  report_ = report;
  std::vector<QStringList> rows;
  rows.reserve(summary.persons.size());
  for (const PersonHours& p : summary.persons) {
    const QString hours = qs(hoursText(p.hours));
    rows.push_back(nameRow(names, p.row + 1, &hours));
  }
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
  if (gridSummary_->currentRow() < 1) return;
  // The history window reads the flag when it loads and while it sets its buttons.
  {
    FlagScope viewOnly(state_.HistoryViewOnly);
    lobby_.openTrainingHistory(gridSummary_);
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
}

}  // namespace vm::search
