// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <algorithm>
#include <vector>

#include "renewals/renewal_courses.h"
#include "ui/window_life.h"

class QLabel;
class QLineEdit;

namespace vm::ui {
struct AppState;
class Grid;
class PellamButton;
}  // namespace vm::ui

namespace vm::renewals {

// The renewal period of every course of the Course Index, in months: the highlighted course's
// period is typed in the box under the list, and Save writes every change to Course.Renewal at
// once. Access level 1 views the periods only.
class frmRenewalPeriods : public QDialog {
  Q_OBJECT

 public:
  explicit frmRenewalPeriods(ui::AppState& state, QWidget* parent = nullptr);

 private:
  enum Column { kCode = 0, kName = 1, kMonths = 2, kRow = 3 };

  void Form_Activate();
  // Reads the courses and their periods and lists them.
  void fillGrid();
  // Lists again after another desk changed courses or periods, keeping the place; not while a
  // period typed here waits to be saved.
  void listChangesElsewhere();
  bool anyTyped() const { return !std::ranges::equal(months_, rows_, {}, {}, &PeriodRow::months); }
  void gridPeriods_RowColChange(int row);
  void txtMonths_Change();
  void cmdSave_Click();

  bool mayEdit() const;
  // The row of rows_ that a grid row shows.
  std::size_t rowOf(int gridRow) const;

  ui::AppState& state_;
  ui::WindowLife life_;
  std::vector<PeriodRow> rows_;
  std::vector<int> months_;  // as typed, by row of rows_
  ui::Grid* gridPeriods_;
  QLabel* lblMonths_;
  QLineEdit* txtMonths_;
  ui::PellamButton* cmdSave_;
  ui::PellamButton* cmdCancel_;
  bool showing_ = false;  // the box is being filled from the grid, not typed in
};

}  // namespace vm::renewals
