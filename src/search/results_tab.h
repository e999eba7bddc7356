// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "print/report.h"
#include "search/annual_summary.h"
#include "ui/listed_records.h"
#include "ui/lobby_tab.h"

class QLabel;

namespace vm::ui {
struct AppState;
class Grid;
class LobbyServices;
class PellamButton;
}  // namespace vm::ui

namespace vm::search {

// What a printout of the results says about how the list came about, besides the grid: the
// report texts of a search or an annual summary, and which of the two it was.
struct ResultsReport : print::ReportExtras {
  bool annualSummary = false;
};

// The results tab of the main window: the persons a search found, or the hours of an annual
// summary, in `gridSummary`. While it shows them the rest of the main window is locked; from here
// the user views a listed person's training history (without editing), prints the list, or closes
// the tab, which unlocks the main window again.
class ResultsTab : public ui::LobbyTab {
  Q_OBJECT

 public:
  // Grid columns: name, organisation or hours, then the hidden DateCreated, sort key and record
  // number, as the Name List has them.
  static constexpr int kColName = 0, kColSecond = 1, kColDateCreated = 2, kColSortKey = 3,
                       kColRecNum = 4;

  ResultsTab(ui::AppState& state, ui::LobbyServices& lobby, QWidget* parent = nullptr);

  ui::Grid* grid() override { return gridSummary_; }
  void tabClicked() override;
  QList<QWidget*> tabOrder() override;

  // Lists the persons that a search found among the listed ones (positions counted from 0),
  // sorted by name, and opens the tab captioned "Search Results" with tabs 0 and 1 locked.
  void showSearchResults(const std::vector<ui::ListedPerson>& persons,
                         const std::vector<int>& found, const ResultsReport& report);
  // Lists the persons of an annual summary with their hours and the total beneath, and opens the
  // tab captioned "Annual Summary - " and the year with tabs 0 to 2 locked.
  void showAnnualSummary(const std::vector<ui::ListedPerson>& persons, const AnnualSummary& summary,
                         const ResultsReport& report);

  const ResultsReport& report() const { return report_; }

 signals:
  // The results are closed and the main window is unlocked; the options tab gives its criteria
  // back to the user.
  void finished();

 private:
  void cmdSummaryTrainingHistory_Click();
  void cmdSummaryPrint_Click();
  void cmdFinishedSummary_Click();

  void fill(const QString& format, std::vector<QStringList> rows);
  QStringList personRow(const ui::ListedPerson& person, const QString& second);
  void open(const QString& caption, int lockedTabs);
  // Locks the tabs before the results (the first `lockedTabs_`) and the backup button.
  void lock();
  void setBackupEnabled(bool enabled);

  ui::AppState& state_;
  ui::LobbyServices& lobby_;
  ui::Grid* gridSummary_;
  QLabel* lblTotalHours_;
  ui::PellamButton* cmdSummaryTrainingHistory_;
  ui::PellamButton* cmdSummaryPrint_;
  ui::PellamButton* cmdFinishedSummary_;
  ResultsReport report_;
  std::vector<ui::ListedPerson> listed_;  // those the list shows, in no particular order
  int lockedTabs_ = 0;
};

}  // namespace vm::search
