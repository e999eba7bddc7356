// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

#include "search/training_matrix.h"
#include "ui/window_life.h"

class QLabel;

namespace vm::ui {
struct AppState;
class Grid;
class PellamButton;
}  // namespace vm::ui

namespace vm::search {

// The training matrix as the user reads it: the persons down, the chosen courses across, the
// date of each person's latest training in each course, and the count of persons trained in each
// course in the last row; under two lines that say what it holds. It is printed on landscape
// pages and exported like every list.
class frmTrainingMatrix : public QDialog {
  Q_OBJECT

 public:
  frmTrainingMatrix(ui::AppState& state, MatrixTable table, QStringList description,
                    QWidget* parent = nullptr);

 private:
  void Form_Activate();
  void cmdPrintMatrix_Click();
  void cmdExportMatrix_Click();
  void cmdExportMatrixSheet_Click();
  void cmdReturn_Click();

  ui::AppState& state_;
  ui::WindowLife life_;
  const QStringList description_;
  QLabel* lblMatrix_;
  ui::Grid* gridMatrix_;
  ui::PellamButton* cmdPrintMatrix_;
  ui::PellamButton* cmdExportMatrix_;
  ui::PellamButton* cmdExportMatrixSheet_;
  ui::PellamButton* cmdReturn_;
};

}  // namespace vm::search
