// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "imports/import_plan.h"
#include "sheets/workbook.h"
#include "ui/window_life.h"

class QComboBox;
class QLabel;
class QRadioButton;
class QTableView;
class QScrollArea;

namespace vm::ui {
struct AppState;
class PellamButton;
}  // namespace vm::ui

namespace vm::imports {

class PreviewModel;

// Brings the rows of a spreadsheet file in as persons, courses and training records. The user
// picks a sheet, says what it holds and which field each column is (the headers' guesses come
// first) and how its text dates read; the preview lists every row's outcome at once. "Import"
// writes every new record of every sheet as one piece of work; "Save Refused Rows..." saves the
// refused ones with their reasons, to be fixed and imported again. It reports a written import as
// a saved record (ui/open_modal.h).
class frmImport : public QDialog {
  Q_OBJECT

 public:
  frmImport(ui::AppState& state, std::string path, sheets::Workbook book,
            QWidget* parent = nullptr);
  ~frmImport() override;

 private:
  void cboSheet_Click();
  void cboKind_Click();
  void optDates_Click();
  void column_Change(int column, int fieldIndex);
  void cmdImport_Click();
  void cmdSaveRefused_Click();
  void cmdCancel_Click();

  // Shows the choices of the sheet picked in cboSheet.
  void showSheet();
  // Reads the rows again with the choices as they are now.
  void replan();

  ui::AppState& state_;
  ui::WindowLife life_;
  const std::string path_;
  const sheets::Workbook book_;
  std::vector<SheetChoice> choices_;
  OnFile onFile_;
  ImportPlan plan_;
  bool showing_ = false;  // the controls are being filled: their changes are no choices

  QLabel* lblFile_;
  QComboBox* cboSheet_;
  QComboBox* cboKind_;
  QRadioButton* optMonthFirst_;
  QRadioButton* optDayFirst_;
  QLabel* lblDates_;
  QScrollArea* scrollColumns_;
  QTableView* gridPreview_;
  PreviewModel* preview_;
  QLabel* lblCounts_;
  ui::PellamButton* cmdImport_;
  ui::PellamButton* cmdSaveRefused_;
  ui::PellamButton* cmdCancel_;
};

}  // namespace vm::imports
