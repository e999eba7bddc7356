// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "ui/window_life.h"

class QLabel;
class QLineEdit;
class QTableView;

namespace vm::ui {
struct AppState;
class PellamButton;
}  // namespace vm::ui

namespace vm::access {

class ChangeLogModel;

// Who changed which record, when, from what to what: the lines of the change log, newest first,
// filtered by a text and a range of days, and exported as a CSV file. Opened from the admin window
// in editing mode. The list opens at once however long the log is; older lines load as it is
// scrolled down.
class frmChangeLog : public QDialog {
  Q_OBJECT

 public:
  explicit frmChangeLog(ui::AppState& state, QWidget* parent = nullptr);

  ChangeLogModel* model() const { return model_; }

 protected:
  void reject() override;

 private:
  void cmdApply_Click();
  void cmdClear_Click();
  void cmdExport_Click();
  void showCount();

  ui::AppState& state_;
  ui::WindowLife life_;
  ChangeLogModel* model_;
  QLineEdit* txtFind_;
  QLineEdit* txtFrom_;
  QLineEdit* txtTo_;
  QTableView* gridChangeLog_;
  QLabel* lblCount_;
  ui::PellamButton* cmdApply_;
  ui::PellamButton* cmdClear_;
  ui::PellamButton* cmdExport_;
  ui::PellamButton* cmdClose_;
};

}  // namespace vm::access
