// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <vector>

#include "ui/window_life.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace vm::ui {
struct AppState;
class PellamButton;
}  // namespace vm::ui

namespace vm::training {

// What the main window offers to credit: the highlighted course as the Course Index lists it,
// and every person the Name List shows.
struct CreditChoice {
  QString code, name, provider, hours;  // the Course Index cells of the course
  std::int32_t courseRecNum = 0;
  struct Person {
    QString name;  // as the Name List shows it
    std::int32_t recNum = 0;
  };
  std::vector<Person> persons;
};

// Credits one course, on one date and with one comment, to the persons chosen from the list:
// one training record each, all written at once or none. It reports a save to its opener
// (ui::openModal) once the records are written.
class frmCreditTraining : public QDialog {
  Q_OBJECT

 public:
  frmCreditTraining(ui::AppState& state, CreditChoice choice, QWidget* parent = nullptr);

 private:
  void Form_Activate();
  void txtDate_Change();
  void listNames_Click();
  void txtComments_Change();
  void cmdSave_Click();
  void cmdCancel_Click();

  bool entryComplete() const;

  ui::AppState& state_;
  ui::WindowLife life_;
  const CreditChoice choice_;
  QLabel* lblCourseInfo_;
  QLineEdit* txtDate_;
  QListWidget* listNames_;
  QListWidget* listSelected_;
  QPlainTextEdit* txtComments_;
  QLabel* lblSpaceFull_;
  ui::PellamButton* cmdSave_;
  ui::PellamButton* cmdCancel_;
};

}  // namespace vm::training
