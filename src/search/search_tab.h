// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

#include "search/criteria_entry.h"
#include "search/matrix_panel.h"
#include "search/results_tab.h"
#include "ui/lobby_tab.h"

class QFrame;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace vm::ui {
struct AppState;
class FieldColours;
class LobbyServices;
class PellamButton;
}  // namespace vm::ui

namespace vm::search {

// The search and summary options tab of the main window. Among the persons listed on the Name List
// it finds those who have, or who have not, a training record that meets up to three criteria (a
// date or date range, part of a course code, part of the training comments), or it totals their
// training hours for a year. The results go to the results tab. A third panel builds the training
// matrix of the same persons (search/matrix_panel.h); a fourth opens the renewals view of them.
class SearchTab : public ui::LobbyTab {
  Q_OBJECT

 public:
  SearchTab(ui::AppState& state, ui::LobbyServices& lobby, ResultsTab& results,
            QWidget* parent = nullptr);

  void tabClicked() override;
  QList<QWidget*> tabOrder() override;
  // The matrix and renewals panels have topics of their own.
  int helpTopic() const override;

 private:
  // frame1: the four criteria boxes, the two modes and cmdMatch; frame2: the year and
  // cmdAnnualSummary; frame3: the matrix panel; frame4: cmdRenewals.
  void buildCriteriaPanel();
  void buildSummaryPanel();
  void buildRenewalsPanel();

  void optSearch_Click(int index);
  void optMatch_Click(int index);
  void txtMatch_Change();
  void txtSummaryYear_Change();
  void cmdMatch_Click();
  void cmdAnnualSummary_Click();
  void cmdRenewals_Click();
  // The results tab was closed: the criteria can be changed again.
  void resultsFinished();

  // The caption of the Name List's display choice in lower case ("active persons").
  QString displayCaption() const;
  ResultsReport reportOf(bool annualSummary) const;
  // Tells the user that nothing was found, on the button and in a message box.
  void reportNothing(ui::PellamButton* button, const QString& text);

  ui::AppState& state_;
  ui::LobbyServices& lobby_;
  ResultsTab& results_;
  std::array<QRadioButton*, 4> optSearch_{};
  MatrixPanel* matrixPanel_;
  std::array<QFrame*, 4> frame_{};
  std::array<QLineEdit*, 4> txtMatch_{};
  QGroupBox* frameMatch_;
  std::array<QRadioButton*, 2> optMatch_{};
  ui::PellamButton* cmdMatch_;
  QLineEdit* txtSummaryYear_;
  ui::PellamButton* cmdAnnualSummary_;
  ui::PellamButton* cmdRenewals_;
  QString savedTabCaption_;
};

}  // namespace vm::search
