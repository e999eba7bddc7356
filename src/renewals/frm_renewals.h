// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "renewals/renewal_courses.h"
#include "ui/listed_records.h"
#include "ui/window_life.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vm::ui {
struct AppState;
class Grid;
class PellamButton;
}  // namespace vm::ui

namespace vm::renewals {

// The renewals view: for the persons the Name List lists and the courses with a renewal period
// (all, or those under one category heading), each person's latest training, the day it lapses and
// where the person stands, expired first. Prints through the report engine; the periods are set in
// the window opened from here.
class frmRenewals : public QDialog {
  Q_OBJECT

 public:
  frmRenewals(ui::AppState& state, std::vector<ui::ListedPerson> persons,
              QWidget* parent = nullptr);

 private:
  enum Column { kName = 0, kCode, kCourse, kTrained, kLapses, kStatus };

  void Form_Activate();
  // Reads the periods and the courses again, keeping the chosen heading where it still is.
  void loadCourses();
  void cmdShowRenewals_Click();
  void cmdRenewalPeriods_Click();
  void cmdPrintRenewals_Click();

  // The days counted as due, as typed; nothing when the box does not hold a whole number.
  std::optional<int> dueWithin() const;

  ui::AppState& state_;
  ui::WindowLife life_;
  std::vector<ui::ListedPerson> persons_;
  std::vector<PeriodRow> courses_;
  std::vector<std::size_t> headings_;
  int shownDueWithin_ = 30;
  QComboBox* cboHeading_;
  QLineEdit* txtDueWithin_;
  QCheckBox* chkNeverTaken_;
  ui::Grid* gridRenewals_;
  QLabel* lblCounts_;
  ui::PellamButton* cmdShowRenewals_;
  ui::PellamButton* cmdRenewalPeriods_;
  ui::PellamButton* cmdPrintRenewals_;
  ui::PellamButton* cmdClose_;
};

}  // namespace vm::renewals
